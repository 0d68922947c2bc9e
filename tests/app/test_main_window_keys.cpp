// Keyboard and closing: Enter does nothing, Escape, Exit and the caption's close picture end
// the program the same way, and the accelerators reach their commands from anywhere.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "app/main_commands.h"
#include "main_window_fixture.h"
#include "ui/caption_frame.h"
#include "ui/caption_layout.h"

namespace {

TEST_F(MainWindowTest, EnterDoesNothing) {
    start();
    for (int id : {1020, 1105, 1031, 1069}) {
        ctl(id)->setFocus();
        QTest::keyClick(ctl(id), Qt::Key_Return);
        QTest::keyClick(ctl(id), Qt::Key_Enter);
    }
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->result(), 0);
    EXPECT_EQ(ctl<QLineEdit>(1105)->text(), QStringLiteral("状态栏:  实时显示打印状态！"));
}

// Each way out hides the window through the dialog's normal end; the settings are written when
// the window goes.
TEST_F(MainWindowTest, EscapeExitAndClosePictureEndTheProgram) {
    const std::function<void(CQUENLORDlg&)> ways[] = {
        [](CQUENLORDlg& w) { QTest::keyClick(&w, Qt::Key_Escape); },
        [](CQUENLORDlg& w) {
            QTest::keyClick(FindControl<QPlainTextEdit>(&w, 1019), Qt::Key_Escape);
        },
        [](CQUENLORDlg& w) { w.menuAction(ID_APP_EXIT, true)->trigger(); },
        [](CQUENLORDlg& w) {
            CaptionBar* caption = w.chrome()->captionBar();
            const QRect close = ComputeCaptionLayout(w.size(), w.chrome()->metrics()).close;
            QTest::mouseClick(caption, Qt::LeftButton, {}, close.center());
        },
    };
    for (const auto& way : ways) {
        QFile::remove(iniPath());
        start();
        way(*window);
        EXPECT_FALSE(window->isVisible());
        finish();
        EXPECT_TRUE(readIni().contains(QStringLiteral("Port Select=3")));
    }
}

// The accelerators win over the focused control, the content box included.
TEST_F(MainWindowTest, AcceleratorsReachTheirCommands) {
    start();
    QList<int> ran;
    for (int command :
         {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_PRINT, ID_LOGO_DOWN}) {
        window->setCommandHandler(command, [&ran, command] { ran.append(command); });
    }
    QWidget* content = ctl(1019);
    content->setFocus();
    QTest::keyClick(content, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(content, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(content, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(content, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(content, Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(ctl(1020), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(ran, (QList<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS,
                               ID_FILE_PRINT, ID_LOGO_DOWN}));
}

}  // namespace
