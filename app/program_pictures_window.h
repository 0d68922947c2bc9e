#pragma once

// The program's own pictures, painted in code: the footer picture and the program icon.
// Identified by the numbers the window knows them by.

#include <QIcon>
#include <QPixmap>

enum ProgramPictureId : int {
    IDB_FOOTER = 198,     // 80 x 80 footer picture
    IDR_MAINFRAME = 128,  // program icon of the About box
    IDI_PROGRAM = 200,    // program icon of the window and caption
};

// The picture at its natural size (80 x 80 for the footer, 64 x 64 for the icons); a null
// pixmap for an unknown number.
QPixmap ProgramPicture(int id);

// The program icon in the sizes a desktop asks for.
QIcon ProgramIcon();
