// The main window's content area, clicked headless against a loopback network printer: what
// the printer receives, what the status line and the message boxes say.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "app/auto_send.h"
#include "app/main_commands.h"
#include "app/main_controls.h"
#include "core/program_state.h"
#include "link/com_set_dialog.h"
#include "link/link_handles.h"
#include "link/link_manager.h"
#include "link/port_options.h"
#include "main_window_fixture.h"
#include "tests/support/hex_text.h"
#include "tests/support/printer_peer.h"
#include "tests/support/pty_pair.h"
#include "ui/ip_address_edit.h"
#include "ui/up_down.h"

namespace {

const QString kExitEn = QStringLiteral("Automatic sending thread was exit！   ");
const QString kNetSent = QStringLiteral("Network send data successfully");

class SendingWindowTest : public MainWindowTest {
protected:
    // English interface, network link to the loopback printer.
    void startWindow(int language = 0) {
        writeIni(QStringLiteral("[Printer Address]\nIP=%1\n[Printer Set]\nPort Select=3\n"
                                "[Language Select]\nLanguage=%2\n")
                     .arg(printer.addressText())
                     .arg(language)
                     .toUtf8()
                     .constData());
        start();
        QObject::connect(status(), &QLineEdit::textChanged,
                         [this](const QString& text) { statusHistory << text; });
    }
    QLineEdit* status() const { return ctl<QLineEdit>(IDC_STATUS); }
    void setContent(const QString& text) { ctl<QPlainTextEdit>(IDC_CONTENT)->setPlainText(text); }
    QString content() const { return ctl<QPlainTextEdit>(IDC_CONTENT)->toPlainText(); }
    void click(int id) { QTest::mouseClick(ctl<QAbstractButton>(id), Qt::LeftButton); }
    void setRepeat(const QString& text) { ctl<QLineEdit>(IDC_REPEAT)->setText(text); }
    QString menuText(int command) const {
        const QAction* action = window->menuAction(command, g_bChinese != 0);
        return action ? action->text() : QStringLiteral("<none>");
    }
    bool waitForExitText(int timeoutMs = 15000) {
        return QTest::qWaitFor([&] { return status()->text().startsWith(kExitEn); }, timeoutMs);
    }

    PrinterPeer printer;
    QStringList statusHistory;
};

TEST_F(SendingWindowTest, SendButtonSendsTextWithItsZeroByte) {
    startWindow();
    setContent("ABC");
    click(IDC_SEND);
    ASSERT_TRUE(printer.waitForBytes(4, 5000));
    EXPECT_EQ(HexText(printer.received()), "41 42 43 00");
    EXPECT_EQ(status()->text(), kNetSent);
    EXPECT_TRUE(ui.texts().isEmpty());
}

TEST_F(SendingWindowTest, CtrlPSendsHexRepeatedWithTheStatusAfterEach) {
    startWindow();
    setContent("1B 40");
    ctl<QCheckBox>(IDC_HEX)->setChecked(true);
    setRepeat("3");
    // Each repetition shows its result; a marker in between shows each one replaces it.
    QObject::connect(status(), &QLineEdit::textChanged, [this](const QString& text) {
        if (text == kNetSent) {
            status()->setText("-");
        }
    });
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);

    ASSERT_TRUE(printer.waitForConnections(3, 5000));
    for (const Bytes& bytes : printer.receivedPerConnection()) {
        EXPECT_EQ(HexText(bytes), "1B 40");
    }
    EXPECT_EQ(statusHistory.count(kNetSent), 3);
}

TEST_F(SendingWindowTest, BadInputShowsItsMessageAndSendsNothing) {
    startWindow();
    const QString before = status()->text();
    struct Case {
        const char* content;
        bool hex;
        const char* repeat;
        const char* message;  // empty: no box
    };
    const Case cases[] = {
        {"1B 4G", true, "1", "Hexadecimal character input Error！"},
        {"", false, "1", "The input data is empty!"},
        {"ABC", false, "0", ""},
        {"ABC", false, "-3", ""},
        {"ABC", false, "x", "请输入一个整数。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        ui.boxes.clear();
        setContent(QString::fromUtf8(c.content));
        ctl<QCheckBox>(IDC_HEX)->setChecked(c.hex);
        setRepeat(c.repeat);
        click(IDC_SEND);
        const QStringList expected =
            *c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{};
        EXPECT_EQ(ui.texts(), expected);
    }
    QTest::qWait(100);
    EXPECT_EQ(printer.connectionCount(), 0);
    EXPECT_EQ(status()->text(), before);
}

TEST_F(SendingWindowTest, UpDownStepsTheRepeatCountNeverBelowOne) {
    startWindow();
    auto* spin = ctl<UpDown>(IDC_REPEAT_SPIN);
    auto* repeat = ctl<QLineEdit>(IDC_REPEAT);
    EXPECT_EQ(repeat->text(), "1");
    spin->stepUp();
    spin->stepUp();
    EXPECT_EQ(repeat->text(), "3");
    spin->stepDown();
    EXPECT_EQ(repeat->text(), "2");
    spin->stepDown();
    spin->stepDown();
    EXPECT_EQ(repeat->text(), "1");
    repeat->setText("-5");  // typed: the down arrow brings it back to 1
    spin->stepDown();
    EXPECT_EQ(repeat->text(), "1");
}

TEST_F(SendingWindowTest, CutPaperAutoSendCountsAndClearingEndsIt) {
    startWindow();
    setContent("ignored");
    ctl<QLineEdit>(IDC_PERIOD)->setText("20");
    click(IDC_CUT_AUTO);
    EXPECT_EQ(g_bCutPaperAuto, 1);
    click(IDC_AUTO_SEND);
    EXPECT_FALSE(ctl(IDC_SEND)->isEnabled());
    EXPECT_EQ(g_bAutoSendRun, 1);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return statusHistory.contains("The number of sent: 3"); }, 10000));

    click(IDC_AUTO_SEND);
    EXPECT_TRUE(ctl(IDC_SEND)->isEnabled());
    EXPECT_EQ(g_bAutoSendRun, 0);
    ASSERT_TRUE(waitForExitText());

    const auto perSend = printer.receivedPerConnection();
    ASSERT_GE(perSend.size(), 3u);
    for (const Bytes& bytes : perSend) {
        EXPECT_EQ(HexText(bytes), "1D 56 01 0A 0A");
    }
    const QString last = QStringLiteral("The number of sent: %1").arg(perSend.size());
    EXPECT_EQ(status()->text(), kExitEn + last);
    // Every count was shown, in order.
    QStringList counts = statusHistory.filter(QRegularExpression("^The number of sent: "));
    ASSERT_EQ(counts.size(), qsizetype(perSend.size()));
    for (qsizetype i = 0; i < counts.size(); ++i) {
        EXPECT_EQ(counts[i], QStringLiteral("The number of sent: %1").arg(i + 1));
    }
}

TEST_F(SendingWindowTest, AutoSendToAnUnreachablePrinterStopsWithTheBoxTicked) {
    PrinterPeer unreachable({kPrintPort}, PrinterPeer::Start::Later);
    startWindow();
    ctl<IpAddressEdit>(IDC_PRINTER_IP)->setAddress(unreachable.hostAddress());
    setContent("ABC");
    click(IDC_AUTO_SEND);
    ASSERT_TRUE(waitForExitText());
    EXPECT_EQ(status()->text(),
              kExitEn +
                  "Network connection failed! If to confirm the current printer IP is correct, "
                  "the cable interface connected, and restart the printer after the connection "
                  "fails, you can try to increase timeout");
    EXPECT_TRUE(ctl<QCheckBox>(IDC_AUTO_SEND)->isChecked());
    EXPECT_FALSE(ctl(IDC_SEND)->isEnabled());
    EXPECT_EQ(g_bAutoSendRun, 1);

    click(IDC_AUTO_SEND);  // stuck -> idle
    EXPECT_TRUE(ctl(IDC_SEND)->isEnabled());
    EXPECT_EQ(unreachable.connectionCount(), 0);
}

TEST_F(SendingWindowTest, AutoSendWithBadContentShowsTheMessageAndStays) {
    startWindow();
    setContent("1B 4G");
    ctl<QCheckBox>(IDC_HEX)->setChecked(true);
    click(IDC_AUTO_SEND);
    EXPECT_EQ(ui.texts(), QStringList{"Hexadecimal character input Error！"});
    EXPECT_TRUE(ctl<QCheckBox>(IDC_AUTO_SEND)->isChecked());
    EXPECT_FALSE(ctl(IDC_SEND)->isEnabled());
    click(IDC_AUTO_SEND);
    EXPECT_TRUE(ctl(IDC_SEND)->isEnabled());
    QTest::qWait(100);
    EXPECT_EQ(printer.connectionCount(), 0);
}

TEST_F(SendingWindowTest, DriverTestAndPortOptionsLetTheLinksGo) {
    startWindow();
    PtyPair serialPrinter;
    serialPrinter.startReading();
    g_strComName.set(serialPrinter.slavePath());
    g_nPortType = PORT_COM;
    setContent("A");
    click(IDC_SEND);
    ASSERT_NE(g_hCom, INVALID_HANDLE);
    click(IDC_DRIVER_TEST);
    EXPECT_EQ(g_hCom, INVALID_HANDLE);

    click(IDC_SEND);
    ASSERT_NE(g_hCom, INVALID_HANDLE);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CComSetDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->reject();
    });
    window->runCommand(ID_COM_SETTING);
    EXPECT_EQ(g_hCom, INVALID_HANDLE);
    EXPECT_EQ(g_dwPrinterIp, printer.hostAddress());
}

TEST_F(SendingWindowTest, DocumentCommandsThroughTheMenu) {
    startWindow();
    const QString path = guard.dir() + "/doc.txt";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QString::fromUtf8("第一行\r\nline 2").toUtf8());
    file.close();

    ui.answerFile(path);
    window->runCommand(ID_FILE_OPEN);
    EXPECT_EQ(content(), QString::fromUtf8("第一行\nline 2"));
    EXPECT_EQ(menuText(ID_FILE_SAVE), QString::fromUtf8("保存 (%1)").arg(path));
    EXPECT_EQ(menuText(ID_FILE_CLOSE), QString::fromUtf8("关闭 (%1)").arg(path));
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].request.title, QString::fromUtf8("打开文件"));
    EXPECT_EQ(ui.fileDialogs[0].request.filter, "Text Files(*.txt);;All Files(*.*)");

    // Clear, type, Save: the opened file takes the new text, line breaks as CR LF.
    ctl<IpAddressEdit>(IDC_NEW_IP)->setAddress(0x0A000001);  // typed, not yet read
    click(IDC_CLEAR);
    EXPECT_EQ(content(), QString());
    EXPECT_EQ(ctl<IpAddressEdit>(IDC_NEW_IP)->address(), 0x0A000001u);  // left as typed
    setContent(QString::fromUtf8("新\n内容"));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QString::fromUtf8("新\r\n内容").toUtf8());
    file.close();
    EXPECT_EQ(ui.fileDialogs.size(), 1u);

    // Close in the English interface: the items get their Chinese texts back.
    window->runCommand(ID_FILE_CLOSE);
    EXPECT_EQ(content(), QString());
    EXPECT_EQ(g_strDocPath.get(), QString());
    EXPECT_EQ(menuText(ID_FILE_SAVE), QString::fromUtf8("保存(&S)\tCtrl+S"));
    EXPECT_EQ(menuText(ID_FILE_CLOSE), QString::fromUtf8("关闭"));

    // Close again with no document: the box keeps its text.
    setContent("kept");
    window->runCommand(ID_FILE_CLOSE);
    EXPECT_EQ(content(), "kept");
    EXPECT_TRUE(ui.texts().isEmpty());
}

// The program ends while auto-send runs: the thread is stopped and waited for, nothing is left
// running against the closed links or the destroyed window.
TEST_F(SendingWindowTest, ClosingTheProgramWhileAutoSendRunsEndsCleanly) {
    startWindow();
    setContent("ABC");
    ctl<QLineEdit>(IDC_PERIOD)->setText("1");
    click(IDC_AUTO_SEND);
    ASSERT_TRUE(printer.waitForConnections(3, 10000));
    finish();
    const int connections = printer.connectionCount();
    QTest::qWait(300);
    EXPECT_EQ(printer.connectionCount(), connections);  // nothing sends any more
    EXPECT_TRUE(g_strStatus.get().startsWith(kExitEn));
}

}  // namespace
