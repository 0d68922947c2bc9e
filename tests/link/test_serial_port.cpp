#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <chrono>

#include "link/link_handles.h"
#include "link/serial_line.h"
#include "link/serial_port.h"
#include "link/serial_speed.h"
#include "tests/support/pty_pair.h"
#include "tests/support/state_guard.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using std::chrono::seconds;

constexpr tcflag_t kFraming = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB;
// A pty forces 8 data bits and no parity but keeps the other flags; data bits and parity on
// and off are checked on the settings alone (SerialLine).
constexpr tcflag_t kPtyFraming = PARODD | CMSPAR | CSTOPB;

// Every byte value, over and over: shows that nothing is translated, dropped or reordered
// (CR/LF, XON/XOFF and the line-editing characters are all in it).
QByteArray AllByteValues(int size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    }
    return bytes;
}

const std::uint8_t* Data(const QByteArray& bytes) {
    return reinterpret_cast<const std::uint8_t*>(bytes.constData());
}

termios SettingsOf(int fd) {
    termios t{};
    EXPECT_EQ(tcgetattr(fd, &t), 0);
    return t;
}

// Bytes waiting to be read on fd; the pty passes data on asynchronously, so wait a little.
int WaitForInput(int fd, int atLeast) {
    int waiting = 0;
    for (int i = 0; i < 200; ++i) {
        ioctl(fd, FIONREAD, &waiting);
        if (waiting >= atLeast) {
            break;
        }
        usleep(5000);
    }
    return waiting;
}

class SerialPortTest : public testing::Test {
protected:
    void TearDown() override { CloseLinkHandle(m_fd); }
    int open(int rate) {
        m_fd = ComOpen(m_pty.slavePath(), rate);
        return m_fd;
    }

    StateGuard m_state;
    PtyPair m_pty;
    int m_fd = INVALID_HANDLE;
};

TEST_F(SerialPortTest, BytesArriveInOrderUnchanged) {
    ASSERT_TRUE(m_pty.isOpen());
    ASSERT_NE(open(115200), INVALID_HANDLE);
    m_pty.startReading();
    // More than the pty holds, so the write has to wait for room on the way.
    const QByteArray bytes = AllByteValues(100'000);
    EXPECT_EQ(ComWrite(m_fd, Data(bytes), static_cast<int>(bytes.size())), 1);
    EXPECT_EQ(m_pty.waitForBytes(bytes.size(), seconds(10)).toHex(), bytes.toHex());

    // A second write goes after the first, nothing of either lost.
    const QByteArray more("\x1b@ABC\n", 6);
    EXPECT_EQ(ComWrite(m_fd, Data(more), static_cast<int>(more.size())), 1);
    EXPECT_EQ(m_pty.waitForBytes(bytes.size() + more.size(), seconds(10)).toHex(),
              (bytes + more).toHex());
}

TEST_F(SerialPortTest, StalledPeerFailsTheWriteWithinTheBound) {
    ASSERT_TRUE(m_pty.isOpen());
    // A fast line keeps the bound short: 2 x 0.64 s + 5 s for these bytes.
    ASSERT_NE(open(4'000'000), INVALID_HANDLE);
    const QByteArray bytes = AllByteValues(256'000);
    const milliseconds bound = SerialWriteBound(bytes.size(), 4'000'000, 10);

    const auto started = Clock::now();
    EXPECT_EQ(ComWrite(m_fd, Data(bytes), static_cast<int>(bytes.size())), 0);
    const auto took = Clock::now() - started;
    EXPECT_GE(took, bound - milliseconds(50));  // it waited for the printer as long as allowed
    EXPECT_LT(took, bound + seconds(5));        // and then gave up instead of hanging

    // The printer reads again: the port still works.
    m_pty.startReading();
    const QByteArray after("after", 5);
    EXPECT_EQ(ComWrite(m_fd, Data(after), 5), 1);
    EXPECT_TRUE(m_pty.waitForEnding(after, seconds(5)));
}

TEST_F(SerialPortTest, WriteDiscardsWhatWaitsInBothDirections) {
    ASSERT_TRUE(m_pty.isOpen());
    ASSERT_NE(open(9600), INVALID_HANDLE);

    // The printer answered something earlier that nobody read.
    ASSERT_TRUE(m_pty.sendToSlave("STATUS"));
    ASSERT_EQ(WaitForInput(m_fd, 6), 6);
    // Bytes of an earlier write still wait to go out (nobody reads the master).
    const QByteArray stale(8000, 'x');
    ASSERT_EQ(ComWrite(m_fd, Data(stale), static_cast<int>(stale.size())), 1);

    const QByteArray fresh("NEW", 3);
    EXPECT_EQ(ComWrite(m_fd, Data(fresh), 3), 1);
    EXPECT_EQ(WaitForInput(m_fd, 1), 0);  // the answer is gone

    m_pty.startReading();
    EXPECT_TRUE(m_pty.waitForEnding(fresh, seconds(5)));
    // Part of the stale bytes was dropped (what the pty had already passed on stays).
    EXPECT_LT(m_pty.received().size(), stale.size() + fresh.size());
}

TEST_F(SerialPortTest, ZeroBytesAreASuccessfulWrite) {
    ASSERT_NE(open(9600), INVALID_HANDLE);
    EXPECT_EQ(ComWrite(m_fd, nullptr, 0), 1);
    EXPECT_EQ(ComWrite(INVALID_HANDLE, Data("A"), 1), 0);
    EXPECT_EQ(ComWrite(m_fd, nullptr, 5), 0);
}

TEST_F(SerialPortTest, OpenWritesFramingRateAndRawMode) {
    ASSERT_TRUE(m_pty.isOpen());
    g_nByteSize = 7;
    g_nParity = 3;  // mark
    g_nStopBits = 2;
    ASSERT_NE(open(128000), INVALID_HANDLE);

    const termios t = SettingsOf(m_pty.slaveFd());
    EXPECT_EQ(t.c_cflag & kPtyFraming, tcflag_t{PARODD | CMSPAR | CSTOPB});
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(t.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(CurrentLineRate(m_fd), 128000);
    CloseLinkHandle(m_fd);

    // Framings the line cannot do: the port keeps mark parity and 2 stop bits, and opens at
    // the new rate all the same.
    const SerialFraming impossible[] = {{4, 0, 0}, {8, 0, 1}, {8, 255, 0}};
    for (const SerialFraming& framing : impossible) {
        SCOPED_TRACE(testing::Message()
                     << framing.byteSize << "/" << framing.parity << "/" << framing.stopBits);
        g_nByteSize = static_cast<std::uint8_t>(framing.byteSize);
        g_nParity = static_cast<std::uint8_t>(framing.parity);
        g_nStopBits = static_cast<std::uint8_t>(framing.stopBits);
        ASSERT_NE(open(300), INVALID_HANDLE);
        const termios kept = SettingsOf(m_pty.slaveFd());
        EXPECT_EQ(kept.c_cflag & kPtyFraming, tcflag_t{PARODD | CMSPAR | CSTOPB});
        EXPECT_EQ(kept.c_lflag, 0u);
        EXPECT_EQ(cfgetospeed(&kept), speed_t{B300});
        EXPECT_EQ(CurrentLineRate(m_fd), 300);
        CloseLinkHandle(m_fd);
        m_fd = INVALID_HANDLE;
    }

    // A possible one replaces it.
    g_nByteSize = 8;
    g_nParity = 0;
    g_nStopBits = 0;
    ASSERT_NE(open(9600), INVALID_HANDLE);
    EXPECT_EQ(SettingsOf(m_pty.slaveFd()).c_cflag & kFraming, tcflag_t{CS8});
}

TEST_F(SerialPortTest, BaudRateChangeKeepsTheOtherSettings) {
    ASSERT_TRUE(m_pty.isOpen());
    g_nParity = 3;
    g_nStopBits = 2;
    ASSERT_NE(open(9600), INVALID_HANDLE);
    const tcflag_t framing = SettingsOf(m_fd).c_cflag & kFraming;
    ASSERT_EQ(framing & kPtyFraming, tcflag_t{PARODD | CMSPAR | CSTOPB});

    const int rates[] = {128000, 19200, 300, 128000, 115200};
    for (int rate : rates) {
        SCOPED_TRACE(rate);
        EXPECT_TRUE(SetComBaudRate(m_fd, rate));
        EXPECT_EQ(CurrentLineRate(m_fd), rate);
        const termios t = SettingsOf(m_fd);
        EXPECT_EQ(t.c_cflag & kFraming, framing);
        EXPECT_EQ(t.c_lflag, 0u);
    }
    EXPECT_FALSE(SetComBaudRate(m_fd, 0));
    EXPECT_EQ(CurrentLineRate(m_fd), 115200);
    EXPECT_FALSE(SetComBaudRate(INVALID_HANDLE, 9600));
}

TEST_F(SerialPortTest, FlowControlListOnAnOpenPort) {
    ASSERT_TRUE(m_pty.isOpen());
    ASSERT_NE(open(128000), INVALID_HANDLE);
    const int expected[] = {0, IXON | IXOFF, 0, IXON | IXOFF};
    for (int index = 0; index < 4; ++index) {
        SCOPED_TRACE(index);
        EXPECT_TRUE(SetComFlowControl(m_fd, index));
        const termios t = SettingsOf(m_fd);
        EXPECT_EQ(static_cast<int>(t.c_iflag & (IXON | IXOFF)), expected[index]);
        EXPECT_EQ(t.c_cc[VSTART], 0x11);
        EXPECT_EQ(t.c_cc[VSTOP], 0x13);
        EXPECT_EQ(CurrentLineRate(m_fd), 128000);  // the rate set through termios2 stays
    }
    EXPECT_FALSE(SetComFlowControl(m_fd, 4));
    EXPECT_FALSE(SetComFlowControl(INVALID_HANDLE, 1));

    // The next open goes back to no flow control.
    CloseLinkHandle(m_fd);
    ASSERT_NE(open(9600), INVALID_HANDLE);
    EXPECT_EQ(SettingsOf(m_fd).c_iflag & (IXON | IXOFF), 0u);
}

TEST(SerialPortOpen, FailsForWhatIsNoSerialPort) {
    StateGuard state;
    EXPECT_EQ(ComOpen(state.dir() + QStringLiteral("/ttyUSB9"), 9600), INVALID_HANDLE);
    QFile plain(state.dir() + QStringLiteral("/plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_EQ(ComOpen(plain.fileName(), 9600), INVALID_HANDLE);  // not a terminal
    EXPECT_EQ(ComOpen(QStringLiteral("COM0"), 9600), INVALID_HANDLE);
    EXPECT_EQ(ComOpen(QString(), 9600), INVALID_HANDLE);
    CloseLinkHandle(INVALID_HANDLE);  // nothing happens
}

}  // namespace
