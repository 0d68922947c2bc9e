#pragma once

// A main window started on a settings file of the test's own, with message boxes recorded
// instead of shown.

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <memory>

#include "app/main_window.h"
#include "tests/support/state_guard.h"
#include "ui/control_lookup.h"
#include "ui/ui_service.h"

// Records every message box and answers file dialogs with nothing.
class RecordingUiService : public UiService {
public:
    RecordingUiService() : m_previous(InstallUiService(this)) {}
    ~RecordingUiService() override { InstallUiService(m_previous); }

    void messageBox(QWidget*, const QString& text, const QString&, MessageIcon) override {
        messages.append(text);
    }
    QString openFileName(QWidget*, const FileDialogRequest&) override { return QString(); }
    QString saveFileName(QWidget*, const FileDialogRequest&) override { return QString(); }

    QStringList messages;

private:
    UiService* m_previous;
};

class MainWindowTest : public ::testing::Test {
protected:
    QString iniPath() const { return guard.dir() + QStringLiteral("/Printer.ini"); }

    void writeIni(const char* text) {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QString readIni() const {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    void start() {
        window = std::make_unique<CQUENLORDlg>(guard.dir());
        window->show();
    }

    // Destroys the window: the end-of-program steps run.
    void finish() { window.reset(); }

    template <class T = QWidget>
    T* ctl(int id) const {
        T* found = FindControl<T>(window.get(), id);
        EXPECT_NE(found, nullptr) << "control " << id;
        return found;
    }

    StateGuard guard;
    RecordingUiService ui;
    std::unique_ptr<CQUENLORDlg> window;
};
