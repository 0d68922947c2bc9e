// The port and model radios and the port lists of the main window.

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app/main_controls.h"
#include "core/program_state.h"
#include "link/link_handles.h"
#include "link/net_socket.h"
#include "main_window_fixture.h"
#include "tests/support/printer_peer.h"

namespace {

struct RadioCase {
    int radio;
    const char* status;
    bool enabled[4];  // 1007, 1008, 1009, 1021
};

const RadioCase kRadioCases[] = {
    {1000, "LPT:", {true, false, false, false}},
    {1001, "COM:", {false, true, true, true}},
    {1002, "USB:", {false, false, false, false}},
    {1003, "NET:", {false, false, false, false}},
};

// Each radio selects its port type, names it in the status line (the status text stays) and
// enables its lists; the network buttons are never disabled by it.
TEST_F(MainWindowTest, PortRadiosSelectThePortAndItsControls) {
    for (const bool chinese : {true, false}) {
        writeIni(chinese ? "" : "[Language Select]\nLanguage=0\n");
        start();
        const QString status = g_strStatus.get();
        for (const RadioCase& c : kRadioCases) {
            SCOPED_TRACE(c.radio);
            ctl<QRadioButton>(c.radio)->click();
            EXPECT_EQ(g_nPortType.load(), c.radio - 1000);
            EXPECT_EQ(ctl<QLineEdit>(1105)->text(), QString::fromLatin1(c.status));
            EXPECT_EQ(g_strStatus.get(), status);
            const int lists[] = {1007, 1008, 1009, 1021};
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(ctl(lists[i])->isEnabled(), c.enabled[i]) << lists[i];
            }
            for (int id = 1014; id <= 1018; ++id) {
                EXPECT_TRUE(ctl(id)->isEnabled()) << id;
            }
        }
        finish();
    }
}

// The parallel and serial radios take the port name their list shows.
TEST_F(MainWindowTest, PortRadiosTakeTheListedPortName) {
    start();
    ctl<QComboBox>(1007)->setCurrentIndex(2);
    ctl<QComboBox>(1008)->setCurrentIndex(4);
    ctl<QRadioButton>(1000)->click();
    EXPECT_EQ(g_strLptName.get(), QStringLiteral("LPT3"));
    EXPECT_EQ(g_strComName.get(), QStringLiteral("COM1"));
    ctl<QRadioButton>(1001)->click();
    EXPECT_EQ(g_strComName.get(), QStringLiteral("COM5"));
}

// Switching the port closes the open link; the next send opens the newly chosen one.
TEST_F(MainWindowTest, PortRadioClosesTheOpenLink) {
    PrinterPeer printer;
    start();
    {
        LinkLock lock(LinkMutex());
        ASSERT_EQ(NetConnect(g_sockPrinter, printer.address(), timeval{2, 0}),
                  net_connect::kConnected);
    }
    ASSERT_TRUE(printer.waitForOpenConnections(1, 5000));
    ctl<QRadioButton>(1001)->click();
    {
        LinkLock lock(LinkMutex());
        EXPECT_EQ(g_sockPrinter, INVALID_SOCKET);
    }
    EXPECT_TRUE(printer.waitForOpenConnections(0, 5000));
}

// A field that cannot be read stops the handler: the port stays as it was.
TEST_F(MainWindowTest, PortRadioDoesNothingWhenAFieldIsInvalid) {
    start();
    ctl<QLineEdit>(1082)->setText(QStringLiteral("70000"));
    ctl<QRadioButton>(1000)->click();
    EXPECT_EQ(ui.lastText(), QStringLiteral("请输入一个 1 至 65535 之间的整数。"));
    EXPECT_EQ(g_nPortType.load(), 3);
    EXPECT_FALSE(ctl(1007)->isEnabled());
}

TEST_F(MainWindowTest, ModelRadiosSelectTheModel) {
    start();
    for (int radio : {1004, 1005, 1006}) {
        ctl<QRadioButton>(radio)->click();
        EXPECT_EQ(g_nPrinterModel.load(), radio - 1004);
    }
}

// The lists hand the user's choice to the port code, which reports in the status line.
TEST_F(MainWindowTest, PortListsReportTheirChoice) {
    start();
    auto* com = ctl<QComboBox>(1008);
    com->setCurrentIndex(11);
    emit com->activated(11);
    EXPECT_EQ(g_strComName.get(), QStringLiteral("COM12"));
    EXPECT_EQ(ctl<QLineEdit>(1105)->text(), QStringLiteral("Serial Port: COM12"));

    auto* baud = ctl<QComboBox>(1009);
    baud->setCurrentIndex(4);
    emit baud->activated(4);
    EXPECT_EQ(g_nBaudRate.load(), 19200);
    EXPECT_EQ(ctl<QLineEdit>(1105)->text(), QStringLiteral("BaudRate=19200"));
}

}  // namespace
