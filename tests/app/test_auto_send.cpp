// The auto-send thread against a loopback network printer.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>

#include "app/auto_send.h"
#include "core/program_state.h"
#include "link/link_manager.h"
#include "tests/support/fake_main_window.h"
#include "tests/support/hex_text.h"
#include "tests/support/printer_peer.h"
#include "tests/support/silent_listener.h"
#include "tests/support/state_guard.h"

namespace {

const QString kExitEn = QStringLiteral("Automatic sending thread was exit！   ");
const QString kExitZh = QStringLiteral("自动发送线程已退出!   ");

class AutoSendTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_bChinese = 0;
        g_nPortType = PORT_NET;
    }
    void TearDown() override {
        m_autoSend.shutdown(std::chrono::seconds(10));
        CloseAllLinks();
    }
    bool waitUntilEnded(int timeoutMs = 10000) {
        return QTest::qWaitFor([&] { return m_autoSend.activeThreads() == 0; }, timeoutMs);
    }

    StateGuard m_state;
    PrinterPeer m_printer;
    InstalledFakeMainWindow m_window{m_printer.hostAddress()};
    AutoSend m_autoSend;
};

TEST_F(AutoSendTest, CutPaperRepeatsTheCutEveryPeriodAndCounts) {
    g_bCutPaperAuto = 1;
    ASSERT_EQ(m_autoSend.setAutoSend(true, QStringLiteral("ignored"), false, 20),
              ContentError::None);
    EXPECT_EQ(g_nAutoSendPeriod, 20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_window.shown().size() >= 3; }, 10000));
    g_bChinese = 1;  // the next count comes in the new language
    ASSERT_TRUE(m_printer.waitForConnections(5, 10000));

    m_autoSend.setAutoSend(false, QString(), false, 20);
    ASSERT_TRUE(waitUntilEnded());
    EXPECT_EQ(g_bAutoSendRun, 0);

    const auto perSend = m_printer.receivedPerConnection();
    ASSERT_GE(perSend.size(), 5u);
    for (const Bytes& bytes : perSend) {
        EXPECT_EQ(HexText(bytes), "1D 56 01 0A 0A");
    }
    const QStringList shown = m_window.shown();
    ASSERT_EQ(shown.size(), qsizetype(perSend.size()) + 1);
    EXPECT_EQ(shown[0], "The number of sent: 1");
    EXPECT_EQ(shown[1], "The number of sent: 2");
    const QString lastCount = QStringLiteral("发送次数: %1").arg(perSend.size());
    EXPECT_EQ(shown[shown.size() - 2], lastCount);
    EXPECT_EQ(shown.last(), kExitZh + lastCount);
    EXPECT_EQ(g_strStatus.get(), kExitZh + lastCount);
}

TEST_F(AutoSendTest, HexContentIsSentAsItsBytesEveryTime) {
    ASSERT_EQ(m_autoSend.setAutoSend(true, QStringLiteral("1B 40 0A"), true, 10),
              ContentError::None);
    ASSERT_TRUE(m_printer.waitForConnections(3, 10000));
    m_autoSend.setAutoSend(false, QString(), false, 10);
    ASSERT_TRUE(waitUntilEnded());
    for (const Bytes& bytes : m_printer.receivedPerConnection()) {
        EXPECT_EQ(HexText(bytes), "1B 40 0A");
    }
}

TEST_F(AutoSendTest, UnreachablePrinterEndsWithTheExitTextAndTheBoxStaysTicked) {
    PrinterPeer unreachable({kPrintPort}, PrinterPeer::Start::Later);
    m_window.setPrinterAddress(unreachable.hostAddress());

    ASSERT_EQ(m_autoSend.setAutoSend(true, QStringLiteral("ABC"), false, 10), ContentError::None);
    ASSERT_TRUE(waitUntilEnded());

    EXPECT_EQ(g_bAutoSendRun, 1);  // stuck: ticked, no thread
    EXPECT_EQ(m_window.shown().size(), 1);
    EXPECT_EQ(m_window.shown().last(),
              kExitEn +
                  "Network connection failed! If to confirm the current printer IP is correct, "
                  "the cable interface connected, and restart the printer after the connection "
                  "fails, you can try to increase timeout");
    EXPECT_EQ(unreachable.connectionCount(), 0);
}

TEST_F(AutoSendTest, BadContentStartsNoThreadAndLeavesTheFlagSet) {
    EXPECT_EQ(m_autoSend.setAutoSend(true, QString(), false, 10), ContentError::Empty);
    EXPECT_EQ(g_bAutoSendRun, 1);
    EXPECT_EQ(m_autoSend.setAutoSend(true, QStringLiteral("1B 4G"), true, 10),
              ContentError::BadHex);
    EXPECT_EQ(g_bAutoSendRun, 1);
    EXPECT_EQ(m_autoSend.activeThreads(), 0);
    QTest::qWait(100);
    EXPECT_EQ(m_printer.connectionCount(), 0);
    EXPECT_TRUE(m_window.shown().isEmpty());

    m_autoSend.setAutoSend(false, QString(), false, 10);
    EXPECT_EQ(g_bAutoSendRun, 0);
}

// Clearing and ticking again while the first thread sleeps its last pause: the first thread
// keeps its own bytes, sends no more and ends after the pause; the second sends its own content.
TEST_F(AutoSendTest, TickingAgainDuringTheLastPauseReplacesTheThreadNotItsBuffer) {
    ASSERT_EQ(m_autoSend.setAutoSend(true, QStringLiteral("41"), true, 1500), ContentError::None);
    ASSERT_TRUE(m_printer.waitForConnections(1, 10000));
    m_autoSend.setAutoSend(false, QString(), false, 1500);
    ASSERT_EQ(m_autoSend.setAutoSend(true, QStringLiteral("42"), true, 1500), ContentError::None);
    EXPECT_EQ(m_autoSend.activeThreads(), 2);

    // The first thread wakes, sees it has been replaced and ends; the second goes on.
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_autoSend.activeThreads() == 1; }, 10000));
    ASSERT_TRUE(m_printer.waitForConnections(3, 10000));
    m_autoSend.setAutoSend(false, QString(), false, 1500);
    ASSERT_TRUE(waitUntilEnded());

    const auto perSend = m_printer.receivedPerConnection();
    ASSERT_GE(perSend.size(), 3u);
    EXPECT_EQ(HexText(perSend[0]), "41");
    for (std::size_t i = 1; i < perSend.size(); ++i) {
        EXPECT_EQ(HexText(perSend[i]), "42") << i;
    }
    // Each thread showed its exit text once.
    const QStringList shown = m_window.shown();
    EXPECT_EQ(shown.filter(QRegularExpression("^" + QRegularExpression::escape(kExitEn))).size(),
              2);
}

TEST_F(AutoSendTest, ShutdownWakesAThreadFromALongPause) {
    ASSERT_EQ(m_autoSend.setAutoSend(true, QStringLiteral("A"), false, 65535), ContentError::None);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_window.shown().size() >= 1; }, 10000));
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(m_autoSend.shutdown(std::chrono::seconds(10)));
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(m_autoSend.activeThreads(), 0);
    // After shutdown nothing starts any more.
    m_autoSend.setAutoSend(true, QStringLiteral("A"), false, 10);
    EXPECT_EQ(m_autoSend.activeThreads(), 0);
}

// The controller goes away (program exit) while its thread waits for a printer that never
// answers: the wait is bounded, and the thread finishes later on its own state alone, without
// showing anything in a window that may be gone.
TEST(AutoSendExit, DestroyingTheControllerDuringASendIsSafe) {
    StateGuard state;
    SilentListener silent;
    InstalledFakeMainWindow window(silent.hostAddress());
    g_nPortType = PORT_NET;
    g_nNetTimeout.set(timeval{1, 0});
    {
        auto autoSend = std::make_unique<AutoSend>();
        ASSERT_EQ(autoSend->setAutoSend(true, QStringLiteral("A"), false, 10), ContentError::None);
        QTest::qWait(200);  // inside the connect attempts now
        EXPECT_FALSE(autoSend->shutdown(std::chrono::milliseconds(100)));
    }
    // The detached thread ends by itself after its connect attempts.
    EXPECT_TRUE(QTest::qWaitFor([] { return g_strStatus.get().startsWith(kExitZh); }, 15000))
        << g_strStatus.get().toStdString();
    EXPECT_TRUE(window.shown().isEmpty());
    CloseAllLinks();  // waits for the thread's send to let go of the link
}

}  // namespace
