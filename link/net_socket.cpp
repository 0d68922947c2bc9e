#include "link/net_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <thread>

#include "link/arp_cache.h"

namespace {

using Clock = std::chrono::steady_clock;

enum class Attempt { Connected, TimedOut, Failed, NoSocket, NoNonBlocking };

void IgnoreSignal(int) {}

// A time-out as whole milliseconds for poll(), rounded up so that 1 µs still waits.
int TimeoutMs(const timeval& timeout) {
    const long long ms = static_cast<long long>(timeout.tv_sec) * 1000 +
                         (static_cast<long long>(timeout.tv_usec) + 999) / 1000;
    if (ms < 0) {
        return 0;
    }
    return ms > INT_MAX ? INT_MAX : static_cast<int>(ms);
}

// Milliseconds left until the deadline, rounded up, never negative.
int MsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
        return 0;
    }
    return left.count() > INT_MAX ? INT_MAX : static_cast<int>(left.count());
}

// Waits for the events on the socket until the deadline, across interrupted waits. The poll
// result: > 0 ready, 0 deadline passed, < 0 failed.
int PollUntil(SOCKET sock, short events, Clock::time_point deadline, short* revents = nullptr) {
    for (;;) {
        pollfd entry{sock, events, 0};
        const int result = ::poll(&entry, 1, MsUntil(deadline));
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (revents) {
            *revents = entry.revents;
        }
        return result;
    }
}

Attempt Drop(SOCKET& sock, Attempt result) {
    ::close(sock);
    sock = INVALID_SOCKET;
    return result;
}

// One connect attempt: a new socket in sock, connected or given up within the time-out.
Attempt ConnectOnce(SOCKET& sock, const sockaddr_in& address, int timeoutMs) {
    sock = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (sock < 0) {
        sock = INVALID_SOCKET;
        return Attempt::NoSocket;
    }
    const int flags = ::fcntl(sock, F_GETFL);
    if (flags < 0 || ::fcntl(sock, F_SETFL, flags | O_NONBLOCK) < 0) {
        return Drop(sock, Attempt::NoNonBlocking);
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    if (::connect(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        return Attempt::Connected;
    }
    // An interrupted connect goes on in the background like one in progress.
    if (errno != EINPROGRESS && errno != EINTR) {
        return Drop(sock, Attempt::Failed);
    }
    const int ready = PollUntil(sock, POLLIN | POLLOUT, deadline);
    if (ready == 0) {
        return Drop(sock, Attempt::TimedOut);
    }
    if (ready < 0) {
        return Drop(sock, Attempt::Failed);
    }
    // A refused or unreachable connect also wakes the wait; only the pending error and a
    // known peer tell a real connection.
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(sock, SOL_SOCKET, SO_ERROR, &error, &length) < 0 || error != 0) {
        return Drop(sock, Attempt::Failed);
    }
    sockaddr_in peer{};
    socklen_t peerLength = sizeof peer;
    if (::getpeername(sock, reinterpret_cast<sockaddr*>(&peer), &peerLength) < 0) {
        return Drop(sock, Attempt::Failed);
    }
    return Attempt::Connected;
}

}  // namespace

int NetStartup() {
    // A caught signal, unlike an ignored one, is put back to its default in programs we start
    // (the ping terminal), so they keep the usual SIGPIPE behaviour. A handler someone else
    // installed stays.
    struct sigaction current {};
    if (::sigaction(SIGPIPE, nullptr, &current) == 0 && !(current.sa_flags & SA_SIGINFO) &&
        current.sa_handler == SIG_DFL) {
        struct sigaction action {};
        action.sa_handler = IgnoreSignal;
        action.sa_flags = SA_RESTART;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGPIPE, &action, nullptr);
    }
    return 1;
}

void NetCleanup() {}

int NetConnect(SOCKET& sock, const sockaddr_in& address, timeval timeout) {
    if (sock != INVALID_SOCKET) {
        NetClose(sock);
    }
    // Nothing can answer at 0.0.0.0; waiting out three time-outs would only block the caller.
    if (address.sin_addr.s_addr == htonl(INADDR_ANY)) {
        return net_connect::kTimedOut;
    }
    const int timeoutMs = TimeoutMs(timeout);
    for (int attempt = 1;; ++attempt) {
        if (attempt > 1) {
            // Resolve the printer's hardware address again: it may have been replaced.
            FlushArpEntries(address);
        }
        switch (ConnectOnce(sock, address, timeoutMs)) {
            case Attempt::Connected:
                return net_connect::kConnected;
            case Attempt::NoSocket:
                return net_connect::kNoSocket;
            case Attempt::NoNonBlocking:
                return net_connect::kNoNonBlocking;
            case Attempt::TimedOut:
                if (attempt == kNetConnectAttempts) {
                    return net_connect::kTimedOut;
                }
                break;
            case Attempt::Failed:
                if (attempt == kNetConnectAttempts) {
                    return net_connect::kWaitFailed;
                }
                break;
        }
        std::this_thread::sleep_for(kNetRetryPause);
    }
}

int NetSend(SOCKET& sock, const std::uint8_t* bytes, int count) {
    return NetSend(sock, bytes, count, kNetSendStallLimit);
}

int NetSend(SOCKET& sock, const std::uint8_t* bytes, int count,
            std::chrono::milliseconds stallLimit) {
    if (sock == INVALID_SOCKET || count < 0 || (count > 0 && bytes == nullptr)) {
        return -1;
    }
    if (count == 0) {
        return ::send(sock, bytes, 0, MSG_NOSIGNAL | MSG_DONTWAIT) < 0 ? -1 : 0;
    }
    // The socket is non-blocking: send takes what fits, the rest waits for the peer to read.
    // The stall clock starts when the peer stops taking bytes and restarts with every byte.
    int sent = 0;
    bool stalled = false;
    Clock::time_point deadline;
    while (sent < count) {
        const ssize_t result = ::send(sock, bytes + sent, static_cast<size_t>(count - sent),
                                      MSG_NOSIGNAL | MSG_DONTWAIT);
        if (result > 0) {
            sent += static_cast<int>(result);
            stalled = false;
            continue;
        }
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!stalled) {
                stalled = true;
                deadline = Clock::now() + stallLimit;
            }
            short revents = 0;
            if (PollUntil(sock, POLLOUT, deadline, &revents) <= 0 || (revents & POLLNVAL)) {
                return -1;  // the peer took nothing for the whole stall limit, or poll failed
            }
            continue;  // writable, or an error the next send reports
        }
        return -1;  // closed, reset or otherwise broken
    }
    return count;
}

int NetRecv(SOCKET& sock, std::uint8_t* buffer, int size) {
    if (size < 0 || (size > 0 && buffer == nullptr)) {
        return -1;
    }
    return static_cast<int>(::recv(sock, buffer, static_cast<size_t>(size), MSG_DONTWAIT));
}

int NetClose(SOCKET& sock) {
    if (sock == INVALID_SOCKET) {
        return -1;
    }
    const int result = ::close(sock);
    sock = INVALID_SOCKET;
    return result;
}
