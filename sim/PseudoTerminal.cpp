#include "PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace nimbrel::sim {

std::optional<PseudoTerminal> PseudoTerminal::open(std::string& error) {
    auto fail = [&error](const char* step, int master) {
        error = std::string(step) + ": " + std::strerror(errno);
        if (master >= 0) {
            ::close(master);
        }
        return std::nullopt;
    };
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0) {
        return fail("posix_openpt", -1);
    }
    if (grantpt(master) != 0 || unlockpt(master) != 0) {
        return fail("grantpt/unlockpt", master);
    }
    const char* name = ptsname(master);
    if (name == nullptr) {
        return fail("ptsname", master);
    }
    std::string path = name;
    const int slave = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0) {
        return fail("open slave", master);
    }
    termios tio{};
    if (tcgetattr(slave, &tio) == 0) {
        cfmakeraw(&tio);
        cfsetispeed(&tio, B115200);
        cfsetospeed(&tio, B115200);
        tio.c_cflag |= CLOCAL | CREAD;
        tcsetattr(slave, TCSANOW, &tio);
    }
    // A program that stops reading must not stall the printer: a full line loses bytes.
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    return PseudoTerminal(master, slave, std::move(path));
}

PseudoTerminal::PseudoTerminal(int master, int slave, std::string path)
    : m_master(master), m_slave(slave), m_slavePath(std::move(path)) {}

PseudoTerminal::PseudoTerminal(PseudoTerminal&& other) noexcept
    : m_master(std::exchange(other.m_master, -1)), m_slave(std::exchange(other.m_slave, -1)),
      m_slavePath(std::move(other.m_slavePath)) {}

PseudoTerminal& PseudoTerminal::operator=(PseudoTerminal&& other) noexcept {
    if (this != &other) {
        close();
        m_master = std::exchange(other.m_master, -1);
        m_slave = std::exchange(other.m_slave, -1);
        m_slavePath = std::move(other.m_slavePath);
    }
    return *this;
}

PseudoTerminal::~PseudoTerminal() {
    close();
}

int PseudoTerminal::unreadBySlave() const {
    int count = 0;
    if (m_slave < 0 || ioctl(m_slave, FIONREAD, &count) != 0) {
        return 0;
    }
    return count;
}

void PseudoTerminal::close() {
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
    if (m_slave >= 0) {
        ::close(m_slave);
        m_slave = -1;
    }
}

} // namespace nimbrel::sim
