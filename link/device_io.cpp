#include "link/device_io.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Blocks SIGPIPE in the calling thread for its lifetime and swallows the one a write to a
// pipe without reader raises, so that the write fails with EPIPE instead.
class SigpipeBlock {
public:
    SigpipeBlock() {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_old);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
    }
    ~SigpipeBlock() {
        if (!m_wasPending) {
            const timespec now{};
            while (sigtimedwait(&m_pipe, nullptr, &now) > 0) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }
    SigpipeBlock(const SigpipeBlock&) = delete;
    SigpipeBlock& operator=(const SigpipeBlock&) = delete;

private:
    sigset_t m_pipe{};
    sigset_t m_old{};
    bool m_wasPending = false;
};

// Waits for room in fd until the deadline. Drivers without readiness reporting (the lp
// driver) report ready at once; a short pause then keeps the retries from spinning.
bool WaitForRoom(int fd, Deadline deadline) {
    constexpr milliseconds kPollSlice{100};
    constexpr milliseconds kRetryPause{5};
    const auto left = std::chrono::ceil<milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
        return false;
    }
    pollfd entry{fd, POLLOUT, 0};
    const auto started = Clock::now();
    const int ready = poll(&entry, 1, static_cast<int>(std::min(left, kPollSlice).count()));
    if (ready > 0 && Clock::now() - started < milliseconds(1)) {
        PauseBefore(deadline, kRetryPause);
    }
    return true;
}

}  // namespace

int OpenDevice(const QString& path, int flags) {
    if (path.isEmpty()) {
        return -1;
    }
    return ::open(path.toLocal8Bit().constData(), flags | O_CLOEXEC);
}

bool PauseBefore(Deadline deadline, milliseconds slice) {
    const auto now = Clock::now();
    if (now >= deadline) {
        return false;
    }
    std::this_thread::sleep_for(std::min<Clock::duration>(deadline - now, slice));
    return true;
}

bool WriteAllBefore(int fd, const std::uint8_t* bytes, int count, Deadline deadline,
                    IoErrors ioErrors) {
    if (fd < 0 || count < 0 || (count > 0 && bytes == nullptr)) {
        return false;
    }
    SigpipeBlock noSigpipe;
    int written = 0;
    do {
        const ssize_t n = ::write(fd, bytes + written, static_cast<size_t>(count - written));
        if (n > 0 || (n == 0 && count == 0)) {
            written += static_cast<int>(n);
            continue;
        }
        const bool busy = n == 0 || errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ||
                          (errno == EIO && ioErrors == IoErrors::RetryUntilDeadline);
        if (!busy || !WaitForRoom(fd, deadline)) {
            return false;
        }
    } while (written < count);
    return true;
}
