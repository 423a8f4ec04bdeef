#ifdef __linux__

#include "platform/ArbitraryBaud.h"

#include <asm/termbits.h>
#include <linux/serial.h>
#include <sys/ioctl.h>

namespace nimbrel::platform {

bool setArbitraryBaud(int fd, int baud) {
    if (baud <= 0)
        return false;
    termios2 tio{};
    if (ioctl(fd, TCGETS2, &tio) != 0)
        return false;
    tio.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = static_cast<speed_t>(baud);
    tio.c_ospeed = static_cast<speed_t>(baud);
    if (ioctl(fd, TCSETS2, &tio) != 0)
        return false;
    // A driver that cannot do the rate picks another one instead of failing; a UART's own
    // rounding (well under 2 %) is fine.
    termios2 check{};
    if (ioctl(fd, TCGETS2, &check) != 0)
        return false;
    const long long actual = check.c_ospeed;
    const long long wanted = baud;
    const long long difference = actual > wanted ? actual - wanted : wanted - actual;
    return difference * 50 <= wanted;
}

int arbitraryBaud(int fd) {
    termios2 tio{};
    if (ioctl(fd, TCGETS2, &tio) != 0 || (tio.c_cflag & CBAUD) != BOTHER)
        return 0;
    return static_cast<int>(tio.c_ospeed);
}

void requestLowLatency(int fd) {
    serial_struct serial{};
    if (ioctl(fd, TIOCGSERIAL, &serial) != 0 || (serial.flags & ASYNC_LOW_LATENCY))
        return;
    serial.flags |= ASYNC_LOW_LATENCY;
    ioctl(fd, TIOCSSERIAL, &serial);
}

} // namespace nimbrel::platform

#else

#include "platform/ArbitraryBaud.h"

namespace nimbrel::platform {

bool setArbitraryBaud(int, int) {
    return false;
}
int arbitraryBaud(int) {
    return 0;
}
void requestLowLatency(int) {}

} // namespace nimbrel::platform

#endif
