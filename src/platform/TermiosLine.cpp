#include "platform/TermiosLine.h"

#include "platform/ArbitraryBaud.h"

#include <sys/ioctl.h>
#include <termios.h>

namespace nimbrel::platform {

namespace {

struct Rate {
    int baud;
    speed_t code;
};

constexpr Rate kRates[] = {
    {0, B0},
    {50, B50},
    {75, B75},
    {110, B110},
    {134, B134},
    {150, B150},
    {200, B200},
    {300, B300},
    {600, B600},
    {1200, B1200},
    {1800, B1800},
    {2400, B2400},
    {4800, B4800},
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
    {57600, B57600},
    {115200, B115200},
    {230400, B230400},
#ifdef B460800
    {460800, B460800},
    {500000, B500000},
    {576000, B576000},
    {921600, B921600},
    {1000000, B1000000},
    {1152000, B1152000},
    {1500000, B1500000},
    {2000000, B2000000},
    {2500000, B2500000},
    {3000000, B3000000},
    {3500000, B3500000},
    {4000000, B4000000},
#endif
};

std::optional<speed_t> codeForBaud(int baud) {
    for (const Rate& r : kRates)
        if (r.baud == baud)
            return r.code;
    return std::nullopt;
}

std::optional<int> baudForCode(speed_t code) {
    for (const Rate& r : kRates)
        if (r.code == code)
            return r.baud;
    return std::nullopt;
}

bool setFraming(termios& tio, const LineSettings& s) {
    tcflag_t size = 0;
    switch (s.dataBits) {
    case 5:
        size = CS5;
        break;
    case 6:
        size = CS6;
        break;
    case 7:
        size = CS7;
        break;
    case 8:
        size = CS8;
        break;
    default:
        return false;
    }
    tio.c_cflag = (tio.c_cflag & ~CSIZE) | size;

    if (s.stopBits == 1)
        tio.c_cflag &= ~CSTOPB;
    else if (s.stopBits == 2)
        tio.c_cflag |= CSTOPB;
    else
        return false;

    tio.c_cflag &= ~(PARENB | PARODD);
#ifdef CMSPAR
    tio.c_cflag &= ~CMSPAR;
#endif
    switch (s.parity) {
    case Parity::None:
        return true;
    case Parity::Odd:
        tio.c_cflag |= PARENB | PARODD;
        return true;
    case Parity::Even:
        tio.c_cflag |= PARENB;
        return true;
    case Parity::Mark:
    case Parity::Space:
#ifdef CMSPAR
        tio.c_cflag |= PARENB | CMSPAR | (s.parity == Parity::Mark ? PARODD : 0);
        return true;
#else
        return false;
#endif
    }
    return false;
}

} // namespace

bool makeRawTermios(termios& tio, const LineSettings& settings) {
    cfmakeraw(&tio);
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~CRTSCTS;
    if (!setFraming(tio, settings))
        return false;
    if (const std::optional<speed_t> code = codeForBaud(settings.baud))
        return cfsetispeed(&tio, *code) == 0 && cfsetospeed(&tio, *code) == 0;
    return true;
}

std::optional<LineSettings> lineSettingsOf(const termios& tio) {
    const std::optional<int> baud = baudForCode(cfgetospeed(&tio));
    if (!baud)
        return std::nullopt;
    LineSettings s;
    s.baud = *baud;
    switch (tio.c_cflag & CSIZE) {
    case CS5:
        s.dataBits = 5;
        break;
    case CS6:
        s.dataBits = 6;
        break;
    case CS7:
        s.dataBits = 7;
        break;
    default:
        s.dataBits = 8;
        break;
    }
    s.stopBits = (tio.c_cflag & CSTOPB) ? 2 : 1;

    const bool odd = (tio.c_cflag & PARODD) != 0;
    bool stick = false;
#ifdef CMSPAR
    stick = (tio.c_cflag & CMSPAR) != 0;
#endif
    if (!(tio.c_cflag & PARENB))
        s.parity = Parity::None;
    else if (stick)
        s.parity = odd ? Parity::Mark : Parity::Space;
    else
        s.parity = odd ? Parity::Odd : Parity::Even;
    return s;
}

bool applyLineSettings(int fd, const LineSettings& settings) {
    // Rate 0 would hang the line up.
    if (settings.baud <= 0)
        return false;
    termios saved{};
    if (tcgetattr(fd, &saved) != 0)
        return false;

    termios tio = saved;
    if (!makeRawTermios(tio, settings))
        return false;
    if (tcsetattr(fd, TCSANOW, &tio) != 0)
        return false;
    if (codeForBaud(settings.baud))
        return true;
    if (setArbitraryBaud(fd, settings.baud))
        return true;
    tcsetattr(fd, TCSANOW, &saved);
    return false;
}

int systemModemLineCall(int fd, unsigned long request, int bits) {
    return ::ioctl(fd, request, &bits);
}

bool lowerRts(int fd, const ModemLineCall& call) {
    return call(fd, TIOCMBIC, TIOCM_RTS) == 0;
}

std::optional<LineSettings> readLineSettings(int fd) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return std::nullopt;
    if (std::optional<LineSettings> s = lineSettingsOf(tio))
        return s;
    const int baud = arbitraryBaud(fd);
    if (baud <= 0)
        return std::nullopt;
    // Same framing, the rate from the kernel's own record of it.
    termios standard = tio;
    cfsetospeed(&standard, B9600);
    std::optional<LineSettings> s = lineSettingsOf(standard);
    if (s)
        s->baud = baud;
    return s;
}

} // namespace nimbrel::platform
