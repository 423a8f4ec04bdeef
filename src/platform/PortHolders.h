#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace nimbrel::platform {

// A process that has a device open.
struct PortHolder {
    long long pid = 0;
    QString program; // its command name as /proc/<pid>/comm gives it
};

// The processes besides this one that have the device behind `fd` open, as far as /proc shows
// them (other users' processes are not visible). Programs that open a port without a lock
// (cat, screen, a terminal) are found this way. For a pseudo-terminal, a process holding its
// master end is the other side of the line (the simulated printer), not a rival, even when it
// keeps the slave open too.
std::vector<PortHolder> otherPortHolders(int fd, const QString& procRoot = QStringLiteral("/proc"));

// The "tty-index:" line of a /proc/<pid>/fdinfo/<n> of a pseudo-terminal master.
std::optional<int> ttyIndexOfFdInfo(const QByteArray& fdinfo);

// 4 of "/dev/pts/4"; nothing for any other path.
std::optional<int> ptyIndexOfPath(const QString& path);

} // namespace nimbrel::platform
