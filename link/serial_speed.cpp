#include "link/serial_speed.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

bool SetCustomSpeed(int fd, int rate) {
    if (fd < 0 || rate <= 0) {
        return false;
    }
    termios2 settings{};
    if (ioctl(fd, TCGETS2, &settings) != 0) {
        return false;
    }
    settings.c_cflag &= ~(CBAUD | CIBAUD);
    settings.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    settings.c_ospeed = static_cast<speed_t>(rate);
    settings.c_ispeed = static_cast<speed_t>(rate);
    return ioctl(fd, TCSETS2, &settings) == 0;
}

int CurrentLineRate(int fd) {
    termios2 settings{};
    if (fd < 0 || ioctl(fd, TCGETS2, &settings) != 0) {
        return 0;
    }
    return static_cast<int>(settings.c_ospeed);
}
