#include "platform/PartialFolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace nimbrel::platform {

namespace {

// Several backups may run at once, one per printer.
constexpr int kSlots = 64;
constexpr size_t kPathSize = 4096;

struct Registered {
    std::atomic<bool> used{false};
    std::atomic<bool> ready{false};
    char path[kPathSize];
};

std::array<Registered, kSlots> g_folders;

struct LinuxDirent {
    unsigned long long ino;
    long long off;
    unsigned short reclen;
    unsigned char type;
    char name[1];
};

// Async-signal-safe: raw system calls only. The folder holds files, never folders.
void removeFilesNow(const char* path) {
    const int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    alignas(8) char buffer[4096];
    for (;;) {
        const long n = ::syscall(SYS_getdents64, fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (long at = 0; at < n;) {
            const auto* entry = reinterpret_cast<const LinuxDirent*>(buffer + at);
            at += entry->reclen;
            if (std::strcmp(entry->name, ".") != 0 && std::strcmp(entry->name, "..") != 0)
                ::unlinkat(fd, entry->name, 0);
        }
    }
    ::close(fd);
}

void removeFolderNow(const char* path) {
    // Another thread may add a file meanwhile; it gets a second pass.
    for (int pass = 0; pass < 3; ++pass) {
        removeFilesNow(path);
        if (::rmdir(path) == 0 || errno != ENOTEMPTY)
            return;
    }
}

void onEndSignal(int signal) {
    for (Registered& folder : g_folders)
        if (folder.ready.load(std::memory_order_acquire))
            removeFolderNow(folder.path);
    // Ends the program as the signal would have, so the caller sees which one it was.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void installHandlers() {
    static std::atomic<bool> installed{false};
    if (installed.exchange(true))
        return;
    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction old {};
        ::sigaction(signal, nullptr, &old);
        // A signal ignored by whoever started the program (nohup, a background job) stays so.
        if (old.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = onEndSignal;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace

PartialFolder::PartialFolder(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    m_lock = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_lock >= 0)
        ::flock(m_lock, LOCK_EX | LOCK_NB);
    if (static_cast<size_t>(name.size()) >= kPathSize)
        return;
    installHandlers();
    for (int i = 0; i < kSlots; ++i) {
        if (g_folders[i].used.exchange(true))
            continue;
        std::memcpy(g_folders[i].path, name.constData(), static_cast<size_t>(name.size()) + 1);
        g_folders[i].ready.store(true, std::memory_order_release);
        m_slot = i;
        return;
    }
}

PartialFolder::~PartialFolder() {
    if (m_slot >= 0) {
        g_folders[m_slot].ready.store(false, std::memory_order_release);
        g_folders[m_slot].used.store(false);
    }
    if (m_lock >= 0)
        ::close(m_lock);
}

void removeAbandonedFolders(const QString& parent, const QString& prefix) {
    const QDir dir(parent);
    const QRegularExpression form(QStringLiteral("^") + QRegularExpression::escape(prefix) +
                                  QStringLiteral(".{6}$"));
    const QStringList names =
        dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (!form.match(name).hasMatch())
            continue;
        const QString path = dir.filePath(name);
        const int fd = ::open(QFile::encodeName(path).constData(),
                              O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A run still filling its folder holds the lock: that folder is not abandoned.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            QDir(path).removeRecursively();
        ::close(fd);
    }
}

unsigned newFolderMode() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (!line.startsWith("Umask:"))
                continue;
            bool ok = false;
            const unsigned mask = line.mid(6).trimmed().toUInt(&ok, 8);
            if (ok)
                return 0777u & ~mask;
        }
    }
    // Without /proc: read by setting it back at once.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0777u & ~static_cast<unsigned>(mask);
}

} // namespace nimbrel::platform
