#include "link/serial_port.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "link/device_io.h"
#include "link/link_handles.h"
#include "link/port_names.h"
#include "link/serial_line.h"
#include "link/serial_speed.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Writes settings and, for a rate without a constant, the rate through termios2.
bool WriteSettings(int fd, const termios& settings, int customRate) {
    bool ok = tcsetattr(fd, TCSANOW, &settings) == 0;
    if (customRate > 0) {
        ok = SetCustomSpeed(fd, customRate) && ok;
    }
    return ok;
}

// Raises and lowers modem lines; ignored by devices without them (a pseudo-terminal).
void SetModemLines(int fd, int raise, int lower) {
    if (raise != 0) {
        ioctl(fd, TIOCMBIS, &raise);
    }
    if (lower != 0) {
        ioctl(fd, TIOCMBIC, &lower);
    }
}

// Waits until the kernel has sent what it holds for fd, until the deadline.
bool DrainBefore(int fd, Deadline deadline, int rate, int bitsPerByte) {
    for (;;) {
        int queued = 0;
        if (ioctl(fd, TIOCOUTQ, &queued) != 0 || queued <= 0) {
            return true;
        }
        // Sleep about as long as the queued bytes take, in slices so the deadline is kept.
        const long long lineMs = rate > 0 ? 1LL * queued * bitsPerByte * 1000 / rate : 10;
        const milliseconds slice(std::clamp<long long>(lineMs, 1, 50));
        if (!PauseBefore(deadline, slice)) {
            return false;
        }
    }
}

}  // namespace

int ComOpen(const QString& name, int baudRate) {
    const int fd = OpenDevice(SerialDevicePath(name), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return INVALID_HANDLE;
    }
    termios current{};
    if (tcgetattr(fd, &current) != 0) {  // not a terminal
        ::close(fd);
        return INVALID_HANDLE;
    }
    ioctl(fd, TIOCEXCL);  // the port is ours until it is closed
    const LineSettings line = MakeLineSettings(current, baudRate, CurrentSerialFraming());
    WriteSettings(fd, line.settings, line.customRate);  // a refusal leaves the port usable
    SetModemLines(fd, TIOCM_DTR, TIOCM_RTS);
    return fd;
}

int ComWrite(int fd, const std::uint8_t* bytes, int count) {
    if (fd < 0 || count < 0 || (count > 0 && bytes == nullptr)) {
        return 0;
    }
    tcflush(fd, TCIOFLUSH);  // its failure does not stop the write
    termios settings{};
    const int bitsPerByte = tcgetattr(fd, &settings) == 0 ? BitsPerByte(settings) : 11;
    const int rate = CurrentLineRate(fd);
    const Deadline deadline = Clock::now() + SerialWriteBound(count, rate, bitsPerByte);
    if (WriteAllBefore(fd, bytes, count, deadline, IoErrors::Fail) &&
        DrainBefore(fd, deadline, rate, bitsPerByte)) {
        return 1;
    }
    tcflush(fd, TCOFLUSH);  // nothing left behind for a close to wait on
    return 0;
}

void CloseLinkHandle(int fd) {
    if (fd < 0) {
        return;
    }
    if (isatty(fd)) {
        ioctl(fd, TIOCNXCL);  // a terminal someone else keeps open stays open to others
    }
    ::close(fd);
}

bool SetComBaudRate(int fd, int rate) {
    termios settings{};
    if (fd < 0 || tcgetattr(fd, &settings) != 0) {
        return false;
    }
    const LineSpeed speed = ApplySpeed(settings, rate);
    if (!speed.inSettings && speed.customRate == 0) {
        return false;
    }
    return WriteSettings(fd, settings, speed.customRate);
}

bool SetComFlowControl(int fd, int listIndex) {
    termios current{};
    if (fd < 0 || tcgetattr(fd, &current) != 0) {
        return false;
    }
    const std::optional<termios> settings = MakeFlowSettings(current, listIndex);
    if (!settings || tcsetattr(fd, TCSANOW, &*settings) != 0) {
        return false;
    }
    SetModemLines(fd, TIOCM_RTS, TIOCM_DTR);
    return true;
}
