// The Send button's logic against a loopback network printer and a pty serial printer.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "app/port_release_timer.h"
#include "app/send_text.h"
#include "core/program_state.h"
#include "link/link_handles.h"
#include "link/link_manager.h"
#include "tests/support/fake_main_window.h"
#include "tests/support/hex_text.h"
#include "tests/support/printer_peer.h"
#include "tests/support/pty_pair.h"
#include "tests/support/state_guard.h"

namespace {

class SendTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_bChinese = 0;
        g_nPortType = PORT_NET;
    }
    void TearDown() override { CloseAllLinks(); }

    StateGuard m_state;
    PrinterPeer m_printer;
    InstalledFakeMainWindow m_window{m_printer.hostAddress()};
};

TEST_F(SendTextTest, TextModeSendsTheTextAndOneZeroByte) {
    EXPECT_EQ(SendText(QStringLiteral("ABC"), false, 1, nullptr), ContentError::None);

    ASSERT_TRUE(m_printer.waitForBytes(4, 5000));
    EXPECT_EQ(HexText(m_printer.received()), "41 42 43 00");
    EXPECT_EQ(m_window.shown(), QStringList{"Network send data successfully"});
}

TEST_F(SendTextTest, HexRepeatedSendsEachTimeAndShowsTheStatusAfterEach) {
    EXPECT_EQ(SendText(QStringLiteral("1B 40"), true, 3, nullptr), ContentError::None);

    ASSERT_TRUE(m_printer.waitForBytes(6, 5000));
    const auto perSend = m_printer.receivedPerConnection();
    ASSERT_EQ(perSend.size(), 3u);  // the network link connects anew for every send
    for (const Bytes& bytes : perSend) {
        EXPECT_EQ(HexText(bytes), "1B 40");
    }
    EXPECT_EQ(m_window.shown(), QStringList(3, "Network send data successfully"));
}

TEST_F(SendTextTest, ContentErrorsAndNonPositiveRepeatSendAndShowNothing) {
    struct Case {
        const char* text;
        bool hex;
        int repeat;
        ContentError error;
        const char* message;
    };
    const Case cases[] = {
        {"1B 4G", true, 1, ContentError::BadHex, "Hexadecimal character input Error！"},
        {"1B\t40", true, 1, ContentError::BadHex, "Hexadecimal character input Error！"},
        {"", false, 1, ContentError::Empty, "The input data is empty!"},
        {"", true, 3, ContentError::Empty, "The input data is empty!"},
        {"ABC", false, 0, ContentError::None, ""},
        {"1B 40", true, -2, ContentError::None, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ContentError error = SendText(QString::fromUtf8(c.text), c.hex, c.repeat, nullptr);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(ContentErrorText(error), QString::fromUtf8(c.message));
    }
    QTest::qWait(100);
    EXPECT_EQ(m_printer.connectionCount(), 0);
    EXPECT_TRUE(m_window.shown().isEmpty());
}

TEST_F(SendTextTest, FailedSendsAreEachReportedAndTheLoopGoesOn) {
    // Nothing listens at the address the field names: every repetition tries and reports.
    PrinterPeer unreachable({kPrintPort}, PrinterPeer::Start::Later);
    m_window.setPrinterAddress(unreachable.hostAddress());

    EXPECT_EQ(SendText(QStringLiteral("1B 40"), true, 2, nullptr), ContentError::None);

    const QString failed = m_window.shown().last();
    EXPECT_EQ(m_window.shown().size(), 2);
    EXPECT_TRUE(failed.startsWith("Network connection failed!")) << failed.toStdString();
    EXPECT_EQ(unreachable.connectionCount(), 0);
}

TEST_F(SendTextTest, NetworkSendsDoNotStartTheReleaseTimer) {
    PortReleaseTimer timer;
    SendText(QStringLiteral("A"), false, 1, &timer);
    EXPECT_FALSE(timer.isActive());
}

// The serial port stays open after a Send and is released five seconds after the last one.
TEST(SendTextRelease, SerialPortIsReleasedFiveSecondsAfterTheLastSend) {
    StateGuard state;
    InstalledFakeMainWindow window;
    PtyPair printer;
    ASSERT_TRUE(printer.isOpen());
    printer.startReading();
    g_bChinese = 0;
    g_nPortType = PORT_COM;
    g_strComName.set(printer.slavePath());
    PortReleaseTimer timer;
    int released = 0;
    QObject::connect(&timer, &PortReleaseTimer::released, [&] { ++released; });

    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(SendText(QStringLiteral("AB"), false, 1, &timer), ContentError::None);
    EXPECT_EQ(printer.waitForBytes(3, std::chrono::seconds(5)), QByteArray("AB\0", 3));
    EXPECT_EQ(window.shown().last(),
              printer.slavePath() +
                  " has been sent the data,if the printer is no action,please "
                  "detect connection!");
    const int firstHandle = g_hCom;
    EXPECT_NE(firstHandle, INVALID_HANDLE);

    // A second Send three seconds later starts the five seconds again.
    QTest::qWait(3000);
    ASSERT_EQ(SendText(QStringLiteral("C"), false, 1, &timer), ContentError::None);
    EXPECT_EQ(g_hCom, firstHandle);  // the port stayed open between the sends
    QTest::qWait(6000 - int(clock.elapsed()));
    EXPECT_EQ(released, 0);
    EXPECT_NE(g_hCom, INVALID_HANDLE);

    EXPECT_TRUE(QTest::qWaitFor([&] { return released == 1; }, 10000));
    EXPECT_EQ(g_hCom, INVALID_HANDLE);
    EXPECT_GE(clock.elapsed(), 7900);
    EXPECT_FALSE(timer.isActive());
}

}  // namespace
