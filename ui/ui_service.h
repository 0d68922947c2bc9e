#pragma once

// The one place that knows how message boxes and file dialogs are shown. Every window asks the
// current service; the program uses the real boxes and dialogs, tests install a service that
// records the message and answers a file dialog without waiting for a person.

#include <QString>

class QWidget;

// The program's name: the title of every message box.
inline constexpr char kProgramName[] = "Tarnwick";

enum class MessageIcon { Information, Warning, Critical };

// What a file dialog is opened with. The filter uses Qt's form: "文本文件 (*.txt);;所有文件 (*)".
struct FileDialogRequest {
    QString title;
    QString filter;
    QString initialName;    // file name or path the dialog starts with
    QString defaultSuffix;  // added to a typed name without one (save dialogs); empty: none
};

class UiService {
public:
    virtual ~UiService();

    // A modal box with one OK button; returns when it is closed.
    virtual void messageBox(QWidget* parent, const QString& text, const QString& title,
                            MessageIcon icon) = 0;

    // The chosen path, or an empty text when the user cancels.
    virtual QString openFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
};

// The service in use: the installed one, else the one that shows real boxes.
UiService& CurrentUiService();

// Makes `service` the current one (nullptr: the real boxes again) and returns the previous one
// (nullptr when that was the real one). The caller keeps ownership. Interface thread only.
UiService* InstallUiService(UiService* service);

// A message box with the information icon, one OK button and the program's name as title.
void ShowMessage(QWidget* parent, const QString& text);

// The filter as the desktop's file dialog should match it: on Linux "*.*" would hide every
// file without a dot, so the classic "all files" pattern becomes "*".
QString NativeFileFilter(const QString& filter);

// File dialogs through the current service.
QString ChooseOpenFile(QWidget* parent, const FileDialogRequest& request);
QString ChooseSaveFile(QWidget* parent, const FileDialogRequest& request);
