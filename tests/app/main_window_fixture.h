#pragma once

// A main window started on a settings file of the test's own (in a fresh application folder),
// with message boxes recorded instead of shown.

#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <memory>

#include "app/main_window.h"
#include "tests/support/qt_print.h"
#include "tests/support/state_guard.h"
#include "tests/support/ui_recorder.h"
#include "ui/control_lookup.h"

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

    // Shown and active, so that the accelerators work as they do for a user.
    void start() {
        window = std::make_unique<CQUENLORDlg>(guard.dir());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
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
    UiRecorder ui;
    std::unique_ptr<CQUENLORDlg> window;
};
