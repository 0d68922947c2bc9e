#include "tests/support/fd_reader.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

void FdReader::start() {
    if (m_thread.joinable() || m_fd < 0 || pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    m_thread = std::thread([this] { loop(); });
}

void FdReader::stop() {
    if (!m_thread.joinable()) {
        return;
    }
    const char stop = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wake[1], &stop, 1);
    m_thread.join();
    ::close(m_wake[0]);
    ::close(m_wake[1]);
    m_wake[0] = m_wake[1] = -1;
}

void FdReader::loop() {
    char buffer[4096];
    int idleMs = -1;  // after end of file (a FIFO's writer went away) look again now and then
    for (;;) {
        pollfd entries[2] = {{m_fd, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        if (poll(entries, 2, idleMs) < 0 && errno != EINTR) {
            return;
        }
        if (entries[1].revents != 0) {
            return;
        }
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) {
            idleMs = -1;
            std::lock_guard lock(m_mutex);
            m_received.append(buffer, static_cast<qsizetype>(n));
            m_arrived.notify_all();
        } else if (n == 0 || errno == EIO) {
            // Nobody on the other side: poll would report it again at once.
            idleMs = 5;
            poll(&entries[1], 1, idleMs);
        }
    }
}

QByteArray FdReader::waitForBytes(qsizetype count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    m_arrived.wait_for(lock, timeout, [&] { return m_received.size() >= count; });
    return m_received;
}

bool FdReader::waitForEnding(const QByteArray& tail, std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    return m_arrived.wait_for(lock, timeout, [&] { return m_received.endsWith(tail); });
}

QByteArray FdReader::received() const {
    std::lock_guard lock(m_mutex);
    return m_received;
}
