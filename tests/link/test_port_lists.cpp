#include <gtest/gtest.h>
#include <termios.h>

#include <QFile>

#include "core/program_state.h"
#include "link/link_handles.h"
#include "link/port_lists.h"
#include "link/serial_port.h"
#include "link/serial_speed.h"
#include "tests/support/fifo_printer.h"
#include "tests/support/pty_pair.h"
#include "tests/support/state_guard.h"

namespace {

// The main window as far as the lists need it: it records the status line.
class StatusLine : public MainWindowPort {
public:
    void showStatusText(const QString& text) override { shown.append(text); }
    quint32 printerAddressField() const override { return 0; }
    void showBusyCursor() override {}
    QStringList shown;
};

class PortListsTest : public testing::Test {
protected:
    void SetUp() override { g_pMainDlg = &m_window; }
    void TearDown() override {
        LinkLock lock(LinkMutex());
        CloseLinkHandle(g_hLpt);
        CloseLinkHandle(g_hCom);
        g_hLpt = INVALID_HANDLE;
        g_hCom = INVALID_HANDLE;
    }

    // What the last handler put in the status text, also shown in the status line.
    QString shownStatus() const {
        EXPECT_FALSE(m_window.shown.isEmpty());
        EXPECT_EQ(m_window.shown.value(m_window.shown.size() - 1), g_strStatus.get());
        return g_strStatus.get();
    }

    StateGuard m_state;
    StatusLine m_window;
};

TEST_F(PortListsTest, MissingParallelPortIsReported) {
    const QString missing = m_state.dir() + QStringLiteral("/lp5");
    struct Case {
        int chinese;
        QString name;
        QString status;
    };
    QList<Case> cases = {
        {0, missing, missing + " is invalid,Please re-select the parallel port!"},
        {1, missing, missing + QString::fromUtf8("无效,请重新选择并口!")},
        {0, QString(), " is invalid,Please re-select the parallel port!"},
    };
    if (!QFile::exists(QStringLiteral("/dev/lp1"))) {
        cases.append({0, "LPT2", "LPT2 is invalid,Please re-select the parallel port!"});
        cases.append({1, "LPT2", QString::fromUtf8("LPT2无效,请重新选择并口!")});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.status));
        g_bChinese = c.chinese;
        OnLptListChanged(c.name);
        EXPECT_EQ(shownStatus(), c.status);
        EXPECT_EQ(g_strLptName.get(), c.name);
        EXPECT_EQ(g_hLpt, INVALID_HANDLE);
    }
}

TEST_F(PortListsTest, ChosenParallelPortOpensAndTheOldOneCloses) {
    FifoPrinter first(m_state.dir() + QStringLiteral("/lp0"));
    FifoPrinter second(m_state.dir() + QStringLiteral("/lp1"));
    ASSERT_TRUE(first.isOpen() && second.isOpen());

    g_bChinese = 0;
    OnLptListChanged(first.path());
    EXPECT_EQ(shownStatus(), "Open " + first.path() + QString::fromUtf8(" Successfully！"));
    EXPECT_NE(g_hLpt, INVALID_HANDLE);
    EXPECT_EQ(OpenDescriptorCount(first.path()), 2);  // the printer's end and ours

    g_bChinese = 1;
    OnLptListChanged(second.path());
    EXPECT_EQ(shownStatus(),
              QString::fromUtf8("打开") + second.path() + QString::fromUtf8("成功！"));
    EXPECT_EQ(g_strLptName.get(), second.path());
    EXPECT_EQ(OpenDescriptorCount(first.path()), 1);
    EXPECT_EQ(OpenDescriptorCount(second.path()), 2);

    // Choosing the same port again reopens it rather than opening it twice.
    OnLptListChanged(second.path());
    EXPECT_EQ(OpenDescriptorCount(second.path()), 2);
}

TEST_F(PortListsTest, SerialPortChoiceClosesThePortAndNamesIt) {
    PtyPair pty;
    ASSERT_TRUE(pty.isOpen());
    g_hCom = ComOpen(pty.slavePath(), 9600);
    ASSERT_NE(g_hCom, INVALID_HANDLE);
    ASSERT_EQ(OpenDescriptorCount(pty.slavePath()), 2);

    for (int chinese : {0, 1}) {
        g_bChinese = chinese;
        OnComListChanged(QStringLiteral("COM3"));
        EXPECT_EQ(shownStatus(), QStringLiteral("Serial Port: COM3"));
    }
    EXPECT_EQ(g_strComName.get(), QStringLiteral("COM3"));
    EXPECT_EQ(g_hCom, INVALID_HANDLE);
    EXPECT_EQ(OpenDescriptorCount(pty.slavePath()), 1);  // only the pair's own end is left
}

TEST_F(PortListsTest, BaudListSetsTheRate) {
    const struct {
        int index;
        int rate;
    } cases[] = {{0, 1200},  {1, 2400},  {2, 4800},   {3, 9600},   {4, 19200},
                 {5, 38400}, {6, 57600}, {7, 115200}, {8, 128000}, {-1, 128000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(BaudRateForIndex(c.index), c.rate);
        for (int chinese : {0, 1}) {
            g_bChinese = chinese;
            OnBaudListChanged(c.index);
            EXPECT_EQ(g_nBaudRate.load(), c.rate);
            EXPECT_EQ(shownStatus(), QStringLiteral("BaudRate=%1").arg(c.rate));
        }
    }
    EXPECT_EQ(g_hCom, INVALID_HANDLE);  // a closed port stays closed
}

TEST_F(PortListsTest, BaudListChangesAnOpenPort) {
    PtyPair pty;
    ASSERT_TRUE(pty.isOpen());
    g_hCom = ComOpen(pty.slavePath(), 9600);
    ASSERT_NE(g_hCom, INVALID_HANDLE);
    OnBaudListChanged(4);
    EXPECT_EQ(CurrentLineRate(g_hCom), 19200);
    OnBaudListChanged(-1);
    EXPECT_EQ(CurrentLineRate(g_hCom), 128000);
    EXPECT_EQ(shownStatus(), QStringLiteral("BaudRate=128000"));
}

TEST_F(PortListsTest, FlowListActsOnAnOpenPortOnlyAndShowsNothing) {
    g_strStatus.set(QStringLiteral("before"));
    OnFlowListChanged(1);  // port closed: no effect
    EXPECT_EQ(g_hCom, INVALID_HANDLE);

    PtyPair pty;
    ASSERT_TRUE(pty.isOpen());
    g_hCom = ComOpen(pty.slavePath(), 9600);
    ASSERT_NE(g_hCom, INVALID_HANDLE);
    OnFlowListChanged(3);
    termios t{};
    ASSERT_EQ(tcgetattr(pty.slaveFd(), &t), 0);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), tcflag_t{IXON | IXOFF});
    OnFlowListChanged(2);
    ASSERT_EQ(tcgetattr(pty.slaveFd(), &t), 0);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u);

    EXPECT_EQ(g_strStatus.get(), QStringLiteral("before"));
    EXPECT_TRUE(m_window.shown.isEmpty());
}

}  // namespace
