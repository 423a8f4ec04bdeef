#include "platform/PortHolders.h"

#include "platform/NumberText.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace nimbrel::platform {

namespace {

// The pseudo-terminal multiplexer, /dev/ptmx, is character device 5:2.
constexpr unsigned kPtmxMajor = 5;
constexpr unsigned kPtmxMinor = 2;

QString readLink(const QString& path) {
    QByteArray buffer(4096, Qt::Uninitialized);
    const ssize_t n =
        ::readlink(QFile::encodeName(path).constData(), buffer.data(), buffer.size() - 1);
    return n > 0 ? QFile::decodeName(buffer.left(n)) : QString();
}

QByteArray readSmallFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(4096);
}

bool isPtmx(const struct stat& st) {
    return S_ISCHR(st.st_mode) && major(st.st_rdev) == kPtmxMajor &&
           minor(st.st_rdev) == kPtmxMinor;
}

} // namespace

std::optional<int> ttyIndexOfFdInfo(const QByteArray& fdinfo) {
    for (const QByteArray& line : fdinfo.split('\n')) {
        if (!line.startsWith("tty-index:"))
            continue;
        return parseDigitsOnly(QString::fromLatin1(line.mid(10).trimmed()));
    }
    return std::nullopt;
}

std::optional<int> ptyIndexOfPath(const QString& path) {
    const QString prefix = QStringLiteral("/dev/pts/");
    if (!path.startsWith(prefix))
        return std::nullopt;
    return parseDigitsOnly(path.mid(prefix.size()));
}

std::vector<PortHolder> otherPortHolders(int fd, const QString& procRoot) {
    std::vector<PortHolder> holders;
    struct stat ours {};
    if (::fstat(fd, &ours) != 0 || !S_ISCHR(ours.st_mode))
        return holders;
    const std::optional<int> ptyIndex =
        ptyIndexOfPath(readLink(QStringLiteral("/proc/self/fd/%1").arg(fd)));
    const long long self = ::getpid();

    const QDir proc(procRoot);
    for (const QString& name : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const std::optional<int> pid = parseDigitsOnly(name);
        if (!pid || *pid == self)
            continue;
        const QString fdFolder = proc.filePath(name + QStringLiteral("/fd"));
        bool holdsDevice = false;
        bool holdsOurMaster = false;
        for (const QString& entry : QDir(fdFolder).entryList(QDir::System | QDir::NoDotAndDotDot)) {
            struct stat st {};
            const QString link = fdFolder + QLatin1Char('/') + entry;
            if (::stat(QFile::encodeName(link).constData(), &st) != 0)
                continue;
            if (S_ISCHR(st.st_mode) && st.st_rdev == ours.st_rdev) {
                holdsDevice = true;
            } else if (ptyIndex && isPtmx(st)) {
                const QByteArray info =
                    readSmallFile(proc.filePath(name + QStringLiteral("/fdinfo/") + entry));
                if (ttyIndexOfFdInfo(info) == ptyIndex)
                    holdsOurMaster = true;
            }
        }
        if (holdsDevice && !holdsOurMaster) {
            const QByteArray comm = readSmallFile(proc.filePath(name + QStringLiteral("/comm")));
            holders.push_back({*pid, QString::fromLocal8Bit(comm.trimmed())});
        }
    }
    return holders;
}

} // namespace nimbrel::platform
