#include <gtest/gtest.h>

#include <QString>
#include <thread>

#include "core/program_state.h"
#include "link/link_handles.h"
#include "link/link_manager.h"
#include "link/net_socket.h"
#include "tests/support/fake_main_window.h"
#include "tests/support/printer_peer.h"
#include "tests/support/pty_pair.h"
#include "tests/support/state_guard.h"

namespace {

Bytes B(std::initializer_list<int> values) {
    Bytes bytes;
    for (int v : values) {
        bytes.push_back(static_cast<std::uint8_t>(v));
    }
    return bytes;
}

Bytes Concat(const Bytes& a, const Bytes& b) {
    Bytes all = a;
    all.insert(all.end(), b.begin(), b.end());
    return all;
}

class LinkManagerTest : public testing::Test {
protected:
    void SetUp() override {
        g_pMainDlg = &m_window;
        NetStartup();
    }
    void TearDown() override {
        CloseAllLinks();
        g_pMainDlg = nullptr;
    }
    void selectNetwork(const PrinterPeer& printer) {
        g_nPortType = PORT_NET;
        m_window.setPrinterAddress(printer.hostAddress());
    }

    StateGuard m_state;
    FakeMainWindow m_window;
};

TEST_F(LinkManagerTest, NetworkSendConnectsAnewEveryTimeInBothLanguages) {
    PrinterPeer printer;
    selectNetwork(printer);
    const Bytes hello = B({0x1B, 0x40, 0x48, 0x69, 0x0A});

    g_bChinese = 0;
    EXPECT_EQ(SendToPrinter(hello), 1);
    EXPECT_EQ(g_strStatus.get(), QStringLiteral("Network send data successfully"));
    g_bChinese = 1;
    EXPECT_EQ(SendToPrinter(hello), 1);
    EXPECT_EQ(g_strStatus.get(), QString::fromUtf8("NET:发送数据成功!"));

    ASSERT_TRUE(printer.waitForBytes(2 * hello.size(), 5000));
    EXPECT_EQ(printer.received(), Concat(hello, hello));
    EXPECT_EQ(printer.connectionCount(), 2);
    EXPECT_EQ(HostAddress(g_addrPrinter.get()), printer.hostAddress());
    EXPECT_EQ(m_window.busyCursors(), 2);
    EXPECT_TRUE(m_window.shown().isEmpty()) << "the link manager only sets the status";
}

TEST_F(LinkManagerTest, UnreachablePrinterGivesTheLongFailureTextAndSendsNothing) {
    PrinterPeer printer({kPrintPort}, PrinterPeer::Start::Later);  // bound, refusing
    selectNetwork(printer);
    g_bChinese = 0;
    EXPECT_EQ(SendToPrinter(B({0x41})), 0);
    EXPECT_TRUE(
        g_strStatus.get().startsWith(QStringLiteral("Network connection failed! If to confirm")));
    EXPECT_TRUE(g_strStatus.get().endsWith(QStringLiteral("you can try to increase timeout")));
    EXPECT_EQ(printer.connectionCount(), 0);
    EXPECT_EQ(g_sockPrinter, INVALID_SOCKET);
}

TEST_F(LinkManagerTest, PrinterClosingBetweenSendsIsReconnected) {
    PrinterPeer printer;
    selectNetwork(printer);
    ASSERT_EQ(SendToPrinter(B({0x01})), 1);
    ASSERT_TRUE(printer.waitForBytes(1, 5000));
    printer.dropConnections();
    EXPECT_EQ(SendToPrinter(B({0x02})), 1);
    ASSERT_TRUE(printer.waitForBytes(2, 5000));
    EXPECT_EQ(printer.received(), B({0x01, 0x02}));
}

TEST_F(LinkManagerTest, PrinterAddressChangeBetweenSendsGoesToTheNewAddress) {
    PrinterPeer first;
    PrinterPeer second;
    selectNetwork(first);
    ASSERT_EQ(SendToPrinter(B({0x0A})), 1);
    m_window.setPrinterAddress(second.hostAddress());
    ASSERT_EQ(SendToPrinter(B({0x0B})), 1);
    ASSERT_TRUE(second.waitForBytes(1, 5000));
    EXPECT_EQ(first.received(), B({0x0A}));
    EXPECT_EQ(second.received(), B({0x0B}));
}

TEST_F(LinkManagerTest, ZeroByteSendReportsSuccessWhenTheLinkTakesIt) {
    PrinterPeer printer;
    selectNetwork(printer);
    g_bChinese = 0;
    EXPECT_EQ(SendToPrinter(nullptr, 0), 1);
    EXPECT_EQ(g_strStatus.get(), QStringLiteral("Network send data successfully"));
    EXPECT_TRUE(printer.waitForConnections(1, 5000));
    EXPECT_EQ(printer.receivedCount(), 0u);
}

TEST_F(LinkManagerTest, FailedNetworkSendReconnectsResendsOnceAndStillFails) {
    PrinterPeer printer;
    printer.setCloseAfter(1000);  // every connection is cut after 1000 bytes
    selectNetwork(printer);
    g_bChinese = 0;
    // Far more than the loopback socket buffers hold, so the cut reaches the sender.
    const Bytes big(48 * 1024 * 1024, 0x55);
    EXPECT_EQ(SendToPrinter(big), 0);
    // The resend went out over a fresh connection; its result is not reported.
    EXPECT_EQ(g_strStatus.get(), QStringLiteral("Network connection successfully!"));
    EXPECT_TRUE(printer.waitForConnections(2, 5000));
    EXPECT_EQ(printer.connectionCount(), 2);
}

TEST_F(LinkManagerTest, PortTypeOutsideTheTableSendsAndReportsNothing) {
    PrinterPeer printer;
    m_window.setPrinterAddress(printer.hostAddress());
    g_nPortType = 7;
    SetStatus(QStringLiteral("before"));
    EXPECT_EQ(OpenSelectedPort(), 1);
    EXPECT_EQ(SendToPrinter(B({0x41})), 0);
    EXPECT_EQ(g_strStatus.get(), QStringLiteral("before"));
    EXPECT_EQ(printer.connectionCount(), 0);
}

TEST_F(LinkManagerTest, MissingPortsAreReportedWithTheirNameAndTriedAgain) {
    struct Case {
        int portType;
        const char* name;
        bool chinese;
        const char* expected;
    };
    const QString missing = m_state.dir() + QStringLiteral("/nothing");
    const Case cases[] = {
        {PORT_LPT, "LPT9", false, "LPT9 is invalid,Please re-select the parallel port!"},
        {PORT_LPT, "", false, " is invalid,Please re-select the parallel port!"},
        {PORT_LPT, "LPT9", true, "LPT9无效,请重新选择并口!"},
        {PORT_COM, "COM200", false, "COM200 is invalid,Please re-select the serial port!"},
        {PORT_COM, "COM200", true, "COM200无效,请重新选择COM口!"},
    };
    for (const Case& c : cases) {
        g_nPortType = c.portType;
        g_bChinese = c.chinese ? 1 : 0;
        const QString name = QString::fromUtf8(c.name);
        g_strLptName.set(name);
        g_strComName.set(name);
        for (int attempt = 0; attempt < 2; ++attempt) {  // each send tries to open again
            EXPECT_EQ(SendToPrinter(B({0x41})), 0);
            EXPECT_EQ(g_strStatus.get(), QString::fromUtf8(c.expected));
        }
    }
    EXPECT_EQ(g_hLpt, INVALID_HANDLE);
    EXPECT_EQ(g_hCom, INVALID_HANDLE);
}

TEST_F(LinkManagerTest, SerialSendKeepsThePortOpenUntilClosed) {
    PtyPair pty;
    pty.startReading();
    g_nPortType = PORT_COM;
    g_strComName.set(pty.slavePath());
    g_bChinese = 0;
    EXPECT_EQ(SendToPrinter(B({0x41, 0x42, 0x43, 0x00})), 1);
    EXPECT_EQ(
        g_strStatus.get(),
        pty.slavePath() +
            QStringLiteral(
                " has been sent the data,if the printer is no action,please detect connection!"));
    EXPECT_EQ(pty.waitForBytes(4, std::chrono::seconds(5)), QByteArray("ABC", 4));
    EXPECT_NE(g_hCom, INVALID_HANDLE);
    CloseAllLinks();
    EXPECT_EQ(g_hCom, INVALID_HANDLE);
}

TEST_F(LinkManagerTest, ConcurrentSendsDoNotInterleave) {
    PrinterPeer printer;
    selectNetwork(printer);
    const Bytes a(200 * 1024, 0xAA);
    const Bytes b(200 * 1024, 0xBB);
    int resultA = 0;
    int resultB = 0;
    std::thread worker([&] {
        for (int i = 0; i < 5; ++i) {
            resultA += SendToPrinter(a);
        }
    });
    for (int i = 0; i < 5; ++i) {
        resultB += SendToPrinter(b);
    }
    worker.join();
    EXPECT_EQ(resultA, 5);
    EXPECT_EQ(resultB, 5);
    ASSERT_TRUE(printer.waitForBytes(10 * a.size(), 10000));
    for (const Bytes& connection : printer.receivedPerConnection()) {
        EXPECT_TRUE(connection == a || connection == b) << "a connection mixed two sends";
    }
}

}  // namespace
