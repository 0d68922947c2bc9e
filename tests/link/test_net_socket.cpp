#include "link/net_socket.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "tests/support/printer_peer.h"
#include "tests/support/silent_listener.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr timeval kOneSecond{1, 0};
constexpr std::size_t kMiB = 1024 * 1024;

// Bytes whose order matters: a lost, doubled or swapped block shows.
Bytes Pattern(std::size_t size) {
    Bytes bytes(size);
    std::uint32_t state = 2463534242u;
    for (auto& b : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        b = static_cast<std::uint8_t>(state);
    }
    return bytes;
}

int OpenFileCount() {
    int count = 0;
    DIR* dir = ::opendir("/proc/self/fd");
    while (::readdir(dir)) {
        ++count;
    }
    ::closedir(dir);
    return count;
}

std::chrono::milliseconds Since(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

bool Readable(SOCKET sock, int timeoutMs) {
    pollfd entry{sock, POLLIN, 0};
    return ::poll(&entry, 1, timeoutMs) == 1;
}

class NetSocketTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(NetStartup(), 1); }
    void TearDown() override { NetClose(m_sock); }

    int send(const Bytes& bytes) {
        return NetSend(m_sock, bytes.data(), static_cast<int>(bytes.size()));
    }

    SOCKET m_sock = INVALID_SOCKET;
};

TEST_F(NetSocketTest, ConnectsSendsInOrderAndCloses) {
    PrinterPeer printer;
    ASSERT_EQ(NetConnect(m_sock, printer.address(), kOneSecond), net_connect::kConnected);
    EXPECT_TRUE(::fcntl(m_sock, F_GETFL) & O_NONBLOCK);

    const Bytes first{0x1B, 0x40, 0x48, 0x65, 0x6C, 0x6C, 0x6F, 0x0A};
    const Bytes second{0x1D, 0x56, 0x42, 0x00};
    EXPECT_EQ(send(first), 8);
    EXPECT_EQ(NetSend(m_sock, second.data(), 0), 0);
    EXPECT_EQ(send(second), 4);
    ASSERT_TRUE(printer.waitForBytes(12, 5000));
    Bytes expected = first;
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(printer.received(), expected);
    EXPECT_EQ(printer.connectionCount(), 1);

    EXPECT_EQ(NetClose(m_sock), 0);
    EXPECT_EQ(m_sock, INVALID_SOCKET);
    EXPECT_EQ(NetClose(m_sock), -1);
    EXPECT_EQ(m_sock, INVALID_SOCKET);
    EXPECT_TRUE(printer.waitForOpenConnections(0, 5000));
}

TEST_F(NetSocketTest, ReceivesWithoutWaiting) {
    PrinterPeer printer({kConfigPort});
    const Bytes status{0x10, 0x04, 0x01};
    const Bytes reply{0x16, 0x00, 0x00, 0x12};
    printer.setResponder([&](const Bytes& request) { return request == status ? reply : Bytes{}; });
    ASSERT_EQ(NetConnect(m_sock, printer.address(), kOneSecond), net_connect::kConnected);

    std::uint8_t buffer[16];
    const auto start = Clock::now();
    EXPECT_EQ(NetRecv(m_sock, buffer, sizeof buffer), -1);  // nothing there yet
    EXPECT_LT(Since(start), 500ms);

    ASSERT_EQ(send(status), 3);
    ASSERT_TRUE(Readable(m_sock, 5000));
    ASSERT_EQ(NetRecv(m_sock, buffer, sizeof buffer), 4);
    EXPECT_EQ(Bytes(buffer, buffer + 4), reply);

    printer.dropConnections();
    ASSERT_TRUE(Readable(m_sock, 5000));
    EXPECT_EQ(NetRecv(m_sock, buffer, sizeof buffer), 0);  // the peer closed
}

TEST_F(NetSocketTest, RefusedPortFailsAfterThreeAttempts) {
    PrinterPeer printer({kPrintPort}, PrinterPeer::Start::Later);  // bound, not listening
    const int files = OpenFileCount();
    const auto start = Clock::now();
    EXPECT_EQ(NetConnect(m_sock, printer.address(), kOneSecond), net_connect::kWaitFailed);
    const auto elapsed = Since(start);
    EXPECT_GE(elapsed, 2 * kNetRetryPause);
    EXPECT_LT(elapsed, 10s);
    EXPECT_EQ(m_sock, INVALID_SOCKET);
    EXPECT_EQ(OpenFileCount(), files);
    EXPECT_EQ(printer.connectionCount(), 0);
}

TEST_F(NetSocketTest, PrinterAnsweringOnTheSecondAttempt) {
    PrinterPeer printer({kPrintPort}, PrinterPeer::Start::Later);
    // The first attempt is refused at once; listening starts during the pause after it.
    std::thread late([&] {
        std::this_thread::sleep_for(kNetRetryPause / 2);
        printer.startListening();
    });
    const auto start = Clock::now();
    const int result = NetConnect(m_sock, printer.address(), kOneSecond);
    const auto elapsed = Since(start);
    late.join();
    ASSERT_EQ(result, net_connect::kConnected);
    EXPECT_GE(elapsed, kNetRetryPause);
    const Bytes bytes{0x0A};
    EXPECT_EQ(send(bytes), 1);
    EXPECT_TRUE(printer.waitForBytes(1, 5000));
    EXPECT_EQ(printer.connectionCount(), 1);
}

TEST_F(NetSocketTest, BlankAddressIsNeverConnected) {
    // A listener on this machine: a plain connect to 0.0.0.0 reaches it.
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in local = MakeSocketAddress(0, INADDR_LOOPBACK);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&local), sizeof local), 0);
    ASSERT_EQ(::listen(listener, 4), 0);
    socklen_t length = sizeof local;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&local), &length);
    const sockaddr_in blank = MakeSocketAddress(ntohs(local.sin_port), 0);
    {
        const int plain = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        ASSERT_EQ(::connect(plain, reinterpret_cast<const sockaddr*>(&blank), sizeof blank), 0);
        ::close(plain);
        ASSERT_TRUE(Readable(listener, 1000));
        ::close(::accept(listener, nullptr, nullptr));
    }

    const int files = OpenFileCount();
    EXPECT_EQ(NetConnect(m_sock, blank, kOneSecond), net_connect::kTimedOut);
    EXPECT_EQ(m_sock, INVALID_SOCKET);
    EXPECT_EQ(OpenFileCount(), files);
    EXPECT_FALSE(Readable(listener, 200)) << "something connected to this machine";
    ::close(listener);
}

TEST_F(NetSocketTest, UnansweredAddressTimesOutThreeTimes) {
    SilentListener silent;
    const timeval timeout{0, 200000};
    const int files = OpenFileCount();
    const auto start = Clock::now();
    EXPECT_EQ(NetConnect(m_sock, silent.address(), timeout), net_connect::kTimedOut);
    const auto elapsed = Since(start);
    EXPECT_GE(elapsed, 3 * 200ms + 2 * kNetRetryPause);
    EXPECT_LT(elapsed, 15s);
    EXPECT_EQ(m_sock, INVALID_SOCKET);
    EXPECT_EQ(OpenFileCount(), files);
}

TEST_F(NetSocketTest, SocketHeldOnEntryIsClosed) {
    PrinterPeer printer;
    ASSERT_EQ(NetConnect(m_sock, printer.address(), kOneSecond), net_connect::kConnected);
    // The peer lives in this process too: count only once it has settled on its side.
    ASSERT_TRUE(printer.waitForOpenConnections(1, 5000));
    const int files = OpenFileCount();
    ASSERT_EQ(NetConnect(m_sock, printer.address(), kOneSecond), net_connect::kConnected);
    EXPECT_TRUE(printer.waitForConnections(2, 5000));
    EXPECT_TRUE(printer.waitForOpenConnections(1, 5000));  // the old connection was closed
    EXPECT_EQ(OpenFileCount(), files);
}

TEST_F(NetSocketTest, LargeSendToSlowReaderArrivesWhole) {
    PrinterPeer printer;
    printer.setReadRate(32 * kMiB);  // about two seconds for the whole
    ASSERT_EQ(NetConnect(m_sock, printer.address(), kOneSecond), net_connect::kConnected);
    const Bytes data = Pattern(64 * kMiB);
    EXPECT_EQ(send(data), static_cast<int>(data.size()));
    ASSERT_TRUE(printer.waitForBytes(data.size(), 30000));
    EXPECT_TRUE(printer.received() == data);  // not EXPECT_EQ: 64 MiB would be printed
}

TEST_F(NetSocketTest, PeerClosingHalfWayFails) {
    PrinterPeer printer;
    printer.setCloseAfter(kMiB);
    ASSERT_EQ(NetConnect(m_sock, printer.address(), kOneSecond), net_connect::kConnected);
    const Bytes data = Pattern(64 * kMiB);
    EXPECT_EQ(send(data), -1);
    const Bytes got = printer.received();
    ASSERT_EQ(got.size(), kMiB);
    EXPECT_TRUE(std::equal(got.begin(), got.end(), data.begin()));
}

TEST_F(NetSocketTest, StallLimitCountsTimeWithoutProgress) {
    struct Case {
        std::chrono::milliseconds pause;  // how long the reader stops
        std::chrono::milliseconds limit;
        bool delivered;
    };
    const Case cases[] = {{1h, 300ms, false}, {600ms, 3000ms, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pause.count());
        PrinterPeer printer;
        printer.setReadPaused(true);
        std::thread resume([&] {
            if (c.pause < 1h) {
                std::this_thread::sleep_for(c.pause);
                printer.setReadPaused(false);
            }
        });
        ASSERT_EQ(NetConnect(m_sock, printer.address(), kOneSecond), net_connect::kConnected);
        const Bytes data = Pattern(64 * kMiB);
        const auto start = Clock::now();
        const int result = NetSend(m_sock, data.data(), static_cast<int>(data.size()), c.limit);
        const auto elapsed = Since(start);
        resume.join();
        EXPECT_EQ(result, c.delivered ? static_cast<int>(data.size()) : -1);
        EXPECT_LT(elapsed, 20s);
        if (c.delivered) {
            EXPECT_TRUE(printer.waitForBytes(data.size(), 30000));
        }
        NetClose(m_sock);
    }
}

TEST_F(NetSocketTest, UnusableArgumentsFail) {
    std::uint8_t byte = 0x0A;
    SOCKET invalid = INVALID_SOCKET;
    EXPECT_EQ(NetSend(invalid, &byte, 1), -1);
    EXPECT_EQ(NetSend(invalid, &byte, 0), -1);
    EXPECT_EQ(NetRecv(invalid, &byte, 1), -1);

    PrinterPeer printer;
    ASSERT_EQ(NetConnect(m_sock, printer.address(), kOneSecond), net_connect::kConnected);
    EXPECT_EQ(NetSend(m_sock, &byte, -1), -1);
    EXPECT_EQ(NetSend(m_sock, nullptr, 1), -1);
    EXPECT_EQ(NetRecv(m_sock, &byte, -1), -1);
}

TEST_F(NetSocketTest, ClosedPeerCannotKillTheProcess) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ::close(fds[0]);
    const char byte = 'x';
    EXPECT_EQ(::write(fds[1], &byte, 1), -1);  // without NetStartup: SIGPIPE ends the run
    EXPECT_EQ(errno, EPIPE);
    ::close(fds[1]);
}

}  // namespace
