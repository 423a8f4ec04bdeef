// termios2 cannot share a file with <termios.h>.
#include "PtyPair.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace nimbrel::testing {

int kernelLineRate(int fd) {
    termios2 tio{};
    if (ioctl(fd, TCGETS2, &tio) != 0)
        return -1;
    return static_cast<int>(tio.c_ospeed);
}

bool kernelRateIsArbitrary(int fd) {
    termios2 tio{};
    return ioctl(fd, TCGETS2, &tio) == 0 && (tio.c_cflag & CBAUD) == BOTHER;
}

} // namespace nimbrel::testing
