#include "link/parallel_port.h"

#include <fcntl.h>
#include <linux/lp.h>
#include <linux/major.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "link/device_io.h"
#include "link/link_handles.h"
#include "link/port_names.h"

int LptOpen(const QString& name) {
    const int fd = OpenDevice(ParallelDevicePath(name), O_WRONLY | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return INVALID_HANDLE;
    }
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISCHR(info.st_mode) && major(info.st_rdev) == LP_MAJOR) {
        ioctl(fd, LPABORT, 1);  // report printer errors instead of retrying in the driver
    }
    return fd;
}

std::chrono::milliseconds ParallelWriteBound(long long count) {
    return std::chrono::milliseconds(2000 + count);
}

int LptWrite(int fd, const std::uint8_t* bytes, int count) {
    if (fd < 0) {
        return 0;
    }
    const Deadline deadline = std::chrono::steady_clock::now() + ParallelWriteBound(count);
    return WriteAllBefore(fd, bytes, count, deadline, IoErrors::RetryUntilDeadline) ? 1 : 0;
}
