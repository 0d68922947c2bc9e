#pragma once

// The About box: the program icon, its name and version and a short notice. Chinese and
// English users see the same texts.

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
