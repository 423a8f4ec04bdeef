#include "platform/SerialPortPosix.h"

#include "platform/ArbitraryBaud.h"
#include "platform/TermiosLine.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace nimbrel::platform {

namespace {

constexpr qint64 kReadIntervalMs = 100;
constexpr qint64 kReadPerByteMs = 10;
constexpr qint64 kReadConstantMs = 100;
constexpr qint64 kWritePerByteMs = 100;
constexpr qint64 kWriteConstantMs = 10;

qint64 nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QString systemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Asks the system's database in a growing buffer; the number when the id has no name.
template <typename Entry, typename Lookup, typename NameOf>
QString nameOfId(unsigned id, Lookup lookup, NameOf nameOf) {
    const long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 4096);
    Entry entry{};
    Entry* found = nullptr;
    int rc = 0;
    while ((rc = lookup(id, &entry, buffer.data(), buffer.size(), &found)) == ERANGE)
        buffer.resize(buffer.size() * 2);
    if (rc == 0 && found != nullptr)
        return QString::fromLocal8Bit(nameOf(*found));
    return QString::number(id);
}

// Owner, group and mode, so the message can say what blocks access and whom to ask.
std::optional<DeviceAccess> deviceAccess(const QByteArray& path) {
    struct stat st {};
    if (::stat(path.constData(), &st) != 0)
        return std::nullopt;
    DeviceAccess access;
    access.owner =
        nameOfId<passwd>(st.st_uid, getpwuid_r, [](const passwd& p) { return p.pw_name; });
    access.group = nameOfId<group>(st.st_gid, getgrgid_r, [](const group& g) { return g.gr_name; });
    access.mode = st.st_mode & 07777;
    return access;
}

OpenResult openFailure(int error, const QByteArray& path) {
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
    case ENOTDIR:
        return {OpenError::NotFound, systemText(error)};
    case EBUSY:
        return {OpenError::Busy, systemText(error)};
    case EACCES:
    case EPERM: {
        const std::optional<DeviceAccess> access = deviceAccess(path);
        return {OpenError::NoPermission, access ? access->group : QString(), access, {}};
    }
    default:
        return {OpenError::Other, systemText(error)};
    }
}

// Waits for `events` at most `timeoutMs`; false on time-out or when the device is gone.
bool waitFor(int fd, short events, qint64 timeoutMs) {
    pollfd p{fd, events, 0};
    const int rc = ::poll(&p, 1, static_cast<int>(std::min<qint64>(timeoutMs, 1 << 30)));
    if (rc < 0)
        return errno == EINTR;
    if (rc == 0)
        return false;
    if (p.revents & (POLLERR | POLLNVAL))
        return false;
    return (p.revents & events) != 0;
}

} // namespace

SerialPortPosix::~SerialPortPosix() {
    close();
}

OpenResult SerialPortPosix::open(const QString& devicePath, const LineSettings& settings) {
    close();
    const QByteArray path = QFile::encodeName(devicePath);
    if (path.isEmpty())
        return {OpenError::NotFound, systemText(ENOENT)};

    // O_NONBLOCK stays on: every wait below is a poll with its own time-out, and a blocking
    // write on a stalled line would never return.
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return openFailure(errno, path);
    if (!::isatty(fd)) {
        ::close(fd);
        return {OpenError::Other, systemText(ENOTTY)};
    }
    // flock first: an open that loses must not leave the exclusive flag on a device it does
    // not get.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return {OpenError::Busy, systemText(error)};
        return {OpenError::Other, systemText(error)};
    }
    if (::ioctl(fd, TIOCEXCL) != 0) {
        const int error = errno;
        ::close(fd);
        return {OpenError::Other, systemText(error)};
    }
    // Neither lock stops a program that opened the device before us without taking one (cat,
    // a terminal); both would read the printer's replies, so the port counts as busy.
    const std::vector<PortHolder> holders = otherPortHolders(fd);
    if (!holders.empty()) {
        ::ioctl(fd, TIOCNXCL);
        ::flock(fd, LOCK_UN);
        ::close(fd);
        return {OpenError::Busy, systemText(EBUSY), std::nullopt, holders.front()};
    }

    m_settingsApplied = applyLineSettings(fd, settings);
    // A device without modem lines is still a usable port.
    lowerRts(fd, m_modemLines);
    requestLowLatency(fd);
    ::tcflush(fd, TCIOFLUSH);
    m_fd = fd;
    return {};
}

void SerialPortPosix::close() {
    if (m_fd < 0)
        return;
    // The exclusive flag outlives this descriptor while others keep the device open (a
    // simulator's own slave descriptor), and would lock every later open out.
    ::ioctl(m_fd, TIOCNXCL);
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
    m_settingsApplied = false;
}

bool SerialPortPosix::write(const QByteArray& bytes) {
    if (m_fd < 0)
        return false;
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    const qint64 deadline = nowMs() + kWritePerByteMs * left + kWriteConstantMs;
    while (left > 0) {
        const ssize_t n = ::write(m_fd, data, static_cast<size_t>(left));
        if (n > 0) {
            data += n;
            left -= n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return false;
        const qint64 remaining = deadline - nowMs();
        if (remaining <= 0 || !waitFor(m_fd, POLLOUT, remaining))
            return false;
    }
    return true;
}

QByteArray SerialPortPosix::read(int maxBytes) {
    QByteArray out;
    if (m_fd < 0 || maxBytes <= 0)
        return out;
    const qint64 totalDeadline = nowMs() + kReadPerByteMs * maxBytes + kReadConstantMs;
    qint64 lastByteAt = 0;
    // Grown as bytes come, so a generous maxBytes costs no memory up front.
    char chunk[4096];
    while (out.size() < maxBytes) {
        const size_t want =
            std::min<size_t>(sizeof chunk, static_cast<size_t>(maxBytes - out.size()));
        const ssize_t n = ::read(m_fd, chunk, want);
        if (n > 0) {
            out.append(chunk, n);
            lastByteAt = nowMs();
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            break;
        const qint64 now = nowMs();
        qint64 remaining = totalDeadline - now;
        // The gap between bytes only counts once the first byte is in.
        if (!out.isEmpty())
            remaining = std::min(remaining, lastByteAt + kReadIntervalMs - now);
        if (remaining <= 0 || !waitFor(m_fd, POLLIN, remaining))
            break;
    }
    return out;
}

int SerialPortPosix::bytesWaitingInput() {
    int count = 0;
    if (m_fd < 0 || ::ioctl(m_fd, FIONREAD, &count) != 0)
        return 0;
    return count;
}

int SerialPortPosix::bytesWaitingOutput() {
    int count = 0;
    if (m_fd < 0 || ::ioctl(m_fd, TIOCOUTQ, &count) != 0)
        return 0;
    return count;
}

bool SerialPortPosix::isAlive() {
    if (m_fd < 0)
        return false;
    // Hang-up and errors are told whatever events are asked for; nothing is read.
    pollfd p{m_fd, 0, 0};
    if (::poll(&p, 1, 0) < 0)
        return errno == EINTR;
    return (p.revents & (POLLHUP | POLLERR | POLLNVAL)) == 0;
}

void SerialPortPosix::discardInput() {
    if (m_fd >= 0)
        ::tcflush(m_fd, TCIFLUSH);
}

QString readDeviceSettings(const QString& devicePath) {
    const QByteArray path = QFile::encodeName(devicePath);
    if (path.isEmpty())
        return {};
    const int fd = ::open(path.constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    std::optional<LineSettings> settings;
    if (::isatty(fd))
        settings = readLineSettings(fd);
    ::close(fd);
    return settings ? describeSettings(*settings) : QString();
}

} // namespace nimbrel::platform
