#include "tests/support/printer_peer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <set>
#include <stdexcept>

#include "tests/support/loopback_address.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kReadChunk = 256 * 1024;
constexpr int kReplyWriteMs = 1000;

void SetNonBlocking(int fd) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

// Writes a (short) reply whole, giving up after a second without progress.
void WriteAll(int fd, const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd entry{fd, POLLOUT, 0};
            if (::poll(&entry, 1, kReplyWriteMs) > 0) {
                continue;
            }
        }
        return;
    }
}

}  // namespace

struct PrinterPeer::Port {
    std::uint16_t number = 0;
    int fd = -1;
    bool listening = false;
    Responder responder;
    std::size_t rate = 0;
    bool paused = false;
    std::size_t closeAfter = 0;
    bool recording = true;
    // Recorded bytes of connections from number `base` on, and the order in which reads of
    // the connections arrived (connection number, byte count).
    std::size_t base = 0;
    std::vector<Bytes> connections;
    std::vector<std::pair<std::size_t, std::size_t>> arrivals;
    std::size_t total = 0;
    int accepted = 0;
    int open = 0;
    std::set<std::size_t> openNumbers;
    // Read budget when the rate is limited (bytes).
    double tokens = 0;
    Clock::time_point refilled = Clock::now();

    double burst() const { return std::max(static_cast<double>(rate) / 20.0, 1.0); }
    void refill(Clock::time_point now) {
        const std::chrono::duration<double> elapsed = now - refilled;
        refilled = now;
        tokens = std::min(tokens + elapsed.count() * static_cast<double>(rate), burst());
    }
};

struct PrinterPeer::Connection {
    int fd = -1;
    std::size_t port = 0;    // index into m_ports
    std::size_t number = 0;  // accepted connections of the port before this one
    std::size_t got = 0;
};

PrinterPeer::PrinterPeer(std::vector<std::uint16_t> ports, Start start) {
    if (ports.empty() || std::count(ports.begin(), ports.end(), 0) > 0) {
        throw std::invalid_argument("PrinterPeer needs fixed, nonzero ports");
    }
    const bool listening = start == Start::Listening;
    LoopbackBinding binding = BindFreeLoopbackAddress(ports, listening);
    m_hostAddress = binding.hostAddress;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        auto p = std::make_unique<Port>();
        p->number = ports[i];
        p->fd = binding.sockets[i];
        p->listening = listening;
        SetNonBlocking(p->fd);
        m_ports.push_back(std::move(p));
    }
    m_wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    m_thread = std::thread([this] { run(); });
}

PrinterPeer::~PrinterPeer() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    wake();
    m_changed.notify_all();
    m_thread.join();
    for (Connection& c : m_connections) {
        ::close(c.fd);
    }
    for (auto& p : m_ports) {
        ::close(p->fd);
    }
    ::close(m_wakeFd);
}

bool PrinterPeer::startListening() {
    bool ok = true;
    for (auto& p : m_ports) {
        ok = ::listen(p->fd, 16) == 0 && ok;
    }
    {
        std::lock_guard lock(m_mutex);
        for (auto& p : m_ports) {
            p->listening = true;
        }
    }
    wake();
    return ok;
}

QString PrinterPeer::addressText() const {
    return DottedQuad(m_hostAddress);
}

sockaddr_in PrinterPeer::address(std::uint16_t number) const {
    return MakeSocketAddress(port(number).number, m_hostAddress);
}

PrinterPeer::Port& PrinterPeer::port(std::uint16_t number) {
    return const_cast<Port&>(static_cast<const PrinterPeer*>(this)->port(number));
}

const PrinterPeer::Port& PrinterPeer::port(std::uint16_t number) const {
    if (number == 0) {
        return *m_ports.front();
    }
    for (const auto& p : m_ports) {
        if (p->number == number) {
            return *p;
        }
    }
    throw std::out_of_range("PrinterPeer does not serve this port");
}

Bytes PrinterPeer::received(std::uint16_t number) const {
    std::lock_guard lock(m_mutex);
    const Port& p = port(number);
    std::vector<std::size_t> offsets(p.connections.size(), 0);
    Bytes all;
    for (const auto& [connection, length] : p.arrivals) {
        const Bytes& bytes = p.connections[connection - p.base];
        const std::size_t from = offsets[connection - p.base];
        all.insert(all.end(), bytes.begin() + static_cast<std::ptrdiff_t>(from),
                   bytes.begin() + static_cast<std::ptrdiff_t>(from + length));
        offsets[connection - p.base] += length;
    }
    return all;
}

std::vector<Bytes> PrinterPeer::receivedPerConnection(std::uint16_t number) const {
    std::lock_guard lock(m_mutex);
    return port(number).connections;
}

std::size_t PrinterPeer::receivedCount(std::uint16_t number) const {
    std::lock_guard lock(m_mutex);
    return port(number).total;
}

void PrinterPeer::clearReceived() {
    std::lock_guard lock(m_mutex);
    for (auto& p : m_ports) {
        // Connections still open keep their place: their next bytes are recorded.
        const std::size_t base = p->openNumbers.empty() ? static_cast<std::size_t>(p->accepted)
                                                        : *p->openNumbers.begin();
        p->connections.erase(p->connections.begin(),
                             p->connections.begin() + static_cast<std::ptrdiff_t>(base - p->base));
        for (Bytes& bytes : p->connections) {
            bytes.clear();
        }
        p->base = base;
        p->arrivals.clear();
        p->total = 0;
    }
}

int PrinterPeer::connectionCount(std::uint16_t number) const {
    std::lock_guard lock(m_mutex);
    return port(number).accepted;
}

int PrinterPeer::openConnectionCount(std::uint16_t number) const {
    std::lock_guard lock(m_mutex);
    return port(number).open;
}

template <typename Pred>
bool PrinterPeer::waitFor(int timeoutMs, Pred pred) const {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), pred);
}

bool PrinterPeer::waitForBytes(std::size_t count, int timeoutMs, std::uint16_t number) const {
    const Port& p = port(number);
    return waitFor(timeoutMs, [&] { return p.total >= count; });
}

bool PrinterPeer::waitForConnections(int count, int timeoutMs, std::uint16_t number) const {
    const Port& p = port(number);
    return waitFor(timeoutMs, [&] { return p.accepted >= count; });
}

bool PrinterPeer::waitForOpenConnections(int count, int timeoutMs, std::uint16_t number) const {
    const Port& p = port(number);
    return waitFor(timeoutMs, [&] { return p.open == count; });
}

void PrinterPeer::setResponder(Responder responder, std::uint16_t number) {
    std::lock_guard lock(m_mutex);
    port(number).responder = std::move(responder);
}

void PrinterPeer::setReadRate(std::size_t bytesPerSecond, std::uint16_t number) {
    {
        std::lock_guard lock(m_mutex);
        Port& p = port(number);
        p.rate = bytesPerSecond;
        p.tokens = 0;
        p.refilled = Clock::now();
    }
    wake();
}

void PrinterPeer::setReadPaused(bool paused, std::uint16_t number) {
    {
        std::lock_guard lock(m_mutex);
        port(number).paused = paused;
    }
    wake();
}

void PrinterPeer::setCloseAfter(std::size_t bytes, std::uint16_t number) {
    std::lock_guard lock(m_mutex);
    port(number).closeAfter = bytes;
}

void PrinterPeer::setRecording(bool on, std::uint16_t number) {
    std::lock_guard lock(m_mutex);
    port(number).recording = on;
}

void PrinterPeer::dropConnections() {
    std::unique_lock lock(m_mutex);
    const int ticket = ++m_dropsRequested;
    wake();
    m_changed.wait(lock, [&] { return m_dropsDone >= ticket || m_stop; });
}

void PrinterPeer::wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wakeFd, &one, sizeof one);
}

void PrinterPeer::run() {
    for (;;) {
        int drops = 0;
        {
            std::lock_guard lock(m_mutex);
            if (m_stop) {
                return;
            }
            drops = m_dropsRequested;
        }
        if (drops > m_dropsDone) {
            while (!m_connections.empty()) {
                closeConnection(m_connections.size() - 1);
            }
            std::lock_guard lock(m_mutex);
            m_dropsDone = drops;
            m_changed.notify_all();
        }
        serveOnce();
    }
}

// One wait for anything to do, then accepts and reads what is ready.
void PrinterPeer::serveOnce() {
    std::vector<pollfd> fds{{m_wakeFd, POLLIN, 0}};
    std::vector<std::size_t> listeners;    // port index per listener entry
    std::vector<std::size_t> connections;  // connection index per connection entry
    int timeoutMs = -1;
    {
        std::lock_guard lock(m_mutex);
        const auto now = Clock::now();
        std::vector<bool> readable(m_ports.size());
        for (std::size_t i = 0; i < m_ports.size(); ++i) {
            Port& p = *m_ports[i];
            if (p.listening) {
                fds.push_back({p.fd, POLLIN, 0});
                listeners.push_back(i);
            }
            readable[i] = !p.paused;
            if (p.rate > 0 && !p.paused) {
                p.refill(now);
                // Wait for a useful amount rather than waking for every byte.
                const double wanted = std::min(p.burst(), 1024.0);
                if (p.tokens < wanted) {
                    readable[i] = false;
                    const double ms = (wanted - p.tokens) * 1000.0 / static_cast<double>(p.rate);
                    const int wait = std::clamp(static_cast<int>(ms) + 1, 1, 100);
                    timeoutMs = timeoutMs < 0 ? wait : std::min(timeoutMs, wait);
                }
            }
        }
        for (std::size_t c = 0; c < m_connections.size(); ++c) {
            if (readable[m_connections[c].port]) {
                fds.push_back({m_connections[c].fd, POLLIN, 0});
                connections.push_back(c);
            }
        }
    }
    if (::poll(fds.data(), fds.size(), timeoutMs) <= 0) {
        return;
    }
    if (fds[0].revents & POLLIN) {
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t n = ::read(m_wakeFd, &count, sizeof count);
    }
    for (std::size_t k = 0; k < listeners.size(); ++k) {
        if (!(fds[1 + k].revents & POLLIN)) {
            continue;
        }
        Port& p = *m_ports[listeners[k]];
        for (int fd; (fd = ::accept4(p.fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0;) {
            std::lock_guard lock(m_mutex);
            m_connections.push_back({fd, listeners[k], static_cast<std::size_t>(p.accepted), 0});
            ++p.accepted;
            ++p.open;
            p.openNumbers.insert(m_connections.back().number);
            p.connections.emplace_back();
            m_changed.notify_all();
        }
    }
    // Close from the back so that the indices taken above stay valid.
    for (std::size_t k = connections.size(); k-- > 0;) {
        if (fds[1 + listeners.size() + k].revents && !readFrom(m_connections[connections[k]])) {
            closeConnection(connections[k]);
        }
    }
}

// Reads what the connection has (within the port's limits). False when it is to be closed.
bool PrinterPeer::readFrom(Connection& connection) {
    static thread_local Bytes buffer(kReadChunk);
    Port& p = *m_ports[connection.port];
    std::size_t want = kReadChunk;
    {
        std::lock_guard lock(m_mutex);
        if (p.rate > 0) {
            want = std::min(want, static_cast<std::size_t>(std::max(p.tokens, 1.0)));
        }
        if (p.closeAfter > 0) {
            if (connection.got >= p.closeAfter) {
                return false;
            }
            want = std::min(want, p.closeAfter - connection.got);
        }
    }
    const ssize_t n = ::recv(connection.fd, buffer.data(), want, MSG_DONTWAIT);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
        return true;
    }
    if (n <= 0) {
        return false;
    }
    const auto count = static_cast<std::size_t>(n);
    connection.got += count;
    Responder responder;
    bool reachedLimit = false;
    {
        std::lock_guard lock(m_mutex);
        p.tokens -= static_cast<double>(count);
        p.total += count;
        if (p.recording && connection.number >= p.base) {
            Bytes& bytes = p.connections[connection.number - p.base];
            bytes.insert(bytes.end(), buffer.begin(), buffer.begin() + n);
            if (!p.arrivals.empty() && p.arrivals.back().first == connection.number) {
                p.arrivals.back().second += count;
            } else {
                p.arrivals.emplace_back(connection.number, count);
            }
        }
        responder = p.responder;
        reachedLimit = p.closeAfter > 0 && connection.got >= p.closeAfter;
        m_changed.notify_all();
    }
    if (responder) {
        const Bytes reply = responder(Bytes(buffer.begin(), buffer.begin() + n));
        WriteAll(connection.fd, reply);
    }
    return !reachedLimit;
}

void PrinterPeer::closeConnection(std::size_t index) {
    const Connection connection = m_connections[index];
    m_connections.erase(m_connections.begin() + static_cast<std::ptrdiff_t>(index));
    ::close(connection.fd);
    std::lock_guard lock(m_mutex);
    --m_ports[connection.port]->open;
    m_ports[connection.port]->openNumbers.erase(connection.number);
    m_changed.notify_all();
}
