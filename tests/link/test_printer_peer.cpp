// The test printer itself: later tests trust what it records.
#include "tests/support/printer_peer.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

namespace {

// A plain blocking client, independent of the code under test elsewhere.
class Client {
public:
    explicit Client(const sockaddr_in& address) : m_fd(::socket(AF_INET, SOCK_STREAM, 0)) {
        m_connected =
            ::connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    ~Client() { ::close(m_fd); }
    bool connected() const { return m_connected; }
    void write(const Bytes& bytes) {
        ASSERT_EQ(::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL),
                  static_cast<ssize_t>(bytes.size()));
    }
    Bytes read(int timeoutMs) {
        pollfd entry{m_fd, POLLIN, 0};
        if (::poll(&entry, 1, timeoutMs) != 1) {
            return {};
        }
        std::uint8_t buffer[64];
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
        return n > 0 ? Bytes(buffer, buffer + n) : Bytes{};
    }

    bool closedByPeer(int timeoutMs) {
        pollfd entry{m_fd, POLLIN, 0};
        std::uint8_t byte;
        return ::poll(&entry, 1, timeoutMs) == 1 && ::recv(m_fd, &byte, 1, 0) == 0;
    }

private:
    int m_fd;
    bool m_connected = false;
};

TEST(PrinterPeer, RecordsPerPortAndConnectionAndAnswers) {
    PrinterPeer printer({kPrintPort, kConfigPort});
    EXPECT_EQ(printer.hostAddress() >> 24, 127u);
    EXPECT_EQ(printer.addressText(), DottedQuad(printer.hostAddress()));
    EXPECT_EQ(HostAddress(printer.address(kConfigPort)), printer.hostAddress());
    EXPECT_EQ(ntohs(printer.address().sin_port), kPrintPort);
    printer.setResponder(
        [](const Bytes& request) {
            return Bytes{0x80, request.at(0)};
        },
        kConfigPort);

    auto first = std::make_unique<Client>(printer.address());
    ASSERT_TRUE(first->connected());
    first->write({0x01, 0x02});
    ASSERT_TRUE(printer.waitForBytes(2, 5000));
    Client second(printer.address());
    second.write({0x03});
    ASSERT_TRUE(printer.waitForBytes(3, 5000));
    first->write({0x04});
    ASSERT_TRUE(printer.waitForBytes(4, 5000));
    EXPECT_EQ(printer.received(), (Bytes{0x01, 0x02, 0x03, 0x04}));
    EXPECT_EQ(printer.receivedPerConnection(), (std::vector<Bytes>{{0x01, 0x02, 0x04}, {0x03}}));
    EXPECT_EQ(second.read(50), Bytes{});  // the print port does not answer

    Client config(printer.address(kConfigPort));
    config.write({0x10});
    EXPECT_EQ(config.read(5000), (Bytes{0x80, 0x10}));
    EXPECT_EQ(printer.received(kConfigPort), Bytes{0x10});
    EXPECT_EQ(printer.connectionCount(kPrintPort), 2);
    EXPECT_EQ(printer.connectionCount(kConfigPort), 1);

    // Clearing forgets the closed connection; the open one goes on recording.
    first.reset();
    ASSERT_TRUE(printer.waitForOpenConnections(1, 5000));
    printer.clearReceived();
    second.write({0x05});
    ASSERT_TRUE(printer.waitForBytes(1, 5000));
    EXPECT_EQ(printer.receivedPerConnection(), std::vector<Bytes>{{0x05}});

    printer.dropConnections();
    EXPECT_EQ(printer.openConnectionCount(), 0);
    EXPECT_TRUE(second.closedByPeer(5000));
}

TEST(PrinterPeer, PeersTakeDifferentAddresses) {
    PrinterPeer a;
    PrinterPeer b({kPrintPort}, PrinterPeer::Start::Later);
    PrinterPeer c;
    EXPECT_NE(a.hostAddress(), b.hostAddress());
    EXPECT_NE(b.hostAddress(), c.hostAddress());
    EXPECT_NE(a.hostAddress(), c.hostAddress());
}

}  // namespace
