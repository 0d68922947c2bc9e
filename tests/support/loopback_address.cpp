#include "tests/support/loopback_address.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

constexpr std::uint32_t kFirstHost = 2;  // 127.0.0.1 is left to everything else
constexpr std::uint32_t kHostCount = 253;

std::uint32_t NextStart() {
    static std::atomic<std::uint32_t> calls{0};
    const auto pid = static_cast<std::uint32_t>(::getpid());
    return (pid * 37u + calls.fetch_add(1) * 7u) % kHostCount;
}

void CloseAll(std::vector<int>& sockets) {
    for (int fd : sockets) {
        ::close(fd);
    }
    sockets.clear();
}

// One socket bound to address:port, or -1 when that place is taken.
int BindOne(std::uint32_t hostAddress, std::uint16_t port, bool reuse) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        throw std::runtime_error(std::string("socket: ") + std::strerror(errno));
    }
    // Reuse lets a listening peer take an address that only holds closed connections; a
    // reserved, not yet listening one must stay exclusive, and two sockets share a place only
    // when both ask for reuse.
    const int on = 1;
    if (reuse) {
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(hostAddress);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) < 0) {
        const int error = errno;
        ::close(fd);
        if (error == EADDRINUSE) {
            return -1;
        }
        throw std::runtime_error(std::string("bind: ") + std::strerror(error));
    }
    return fd;
}

}  // namespace

LoopbackBinding BindFreeLoopbackAddress(const std::vector<std::uint16_t>& ports, bool listen,
                                        int backlog) {
    const std::uint32_t start = NextStart();
    for (std::uint32_t i = 0; i < kHostCount; ++i) {
        const std::uint32_t host = 0x7F000000u | (kFirstHost + (start + i) % kHostCount);
        LoopbackBinding binding{host, {}};
        bool taken = false;
        for (std::uint16_t port : ports) {
            const int fd = BindOne(host, port, listen);
            if (fd < 0) {
                taken = true;
                break;
            }
            binding.sockets.push_back(fd);
        }
        // Two reusing sockets may both bind before either listens; the second listen fails.
        for (std::size_t k = 0; !taken && listen && k < binding.sockets.size(); ++k) {
            taken = ::listen(binding.sockets[k], backlog) < 0;
        }
        if (!taken) {
            return binding;
        }
        CloseAll(binding.sockets);
    }
    throw std::runtime_error("no free loopback address 127.0.0.2-254 for the test peer");
}
