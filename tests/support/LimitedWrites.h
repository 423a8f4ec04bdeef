#pragma once

#include "platform/AtomicFile.h"

#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace nimbrel::testing {

enum class DiskLimit { FullDisk, FileSizeLimit };

inline const char* diskLimitName(DiskLimit kind) {
    return kind == DiskLimit::FullDisk ? "FullDisk" : "FileSizeLimit";
}

// Makes writes into a folder fail as on a full disk (a small tmpfs mounted over the folder and
// then filled up; needs root) or past the process's file-size limit (RLIMIT_FSIZE of 0).
// Files written between prepare() and engage() are the "old" files the failed save must keep.
class LimitedWrites {
public:
    explicit LimitedWrites(DiskLimit kind) : m_kind(kind) {}
    LimitedWrites(const LimitedWrites&) = delete;
    LimitedWrites& operator=(const LimitedWrites&) = delete;
    ~LimitedWrites() {
        release();
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }

    // False (with the reason) when this kind of limit cannot be had here.
    bool prepare(const QString& folder, QString& why) {
        m_folder = QFile::encodeName(folder);
        if (m_kind == DiskLimit::FileSizeLimit)
            return true;
        if (::mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=256k") != 0) {
            why =
                QStringLiteral("cannot mount a tmpfs: ") + QString::fromLocal8Bit(strerror(errno));
            return false;
        }
        m_mounted = true;
        return true;
    }

    void engage() {
        if (m_kind == DiskLimit::FileSizeLimit) {
            platform::ignoreFileSizeSignal();
            ::getrlimit(RLIMIT_FSIZE, &m_saved);
            rlimit none = m_saved;
            none.rlim_cur = 0;
            m_limited = ::setrlimit(RLIMIT_FSIZE, &none) == 0;
            return;
        }
        const QByteArray filler = m_folder + "/.filler";
        const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        const char block[4096] = {};
        while (fd >= 0 && ::write(fd, block, sizeof block) > 0) {
        }
        // The last partial page too.
        while (fd >= 0 && ::write(fd, block, 1) > 0) {
        }
        if (fd >= 0)
            ::close(fd);
    }

    // Room again (the filler removed, the limit restored); the tmpfs stays until destruction.
    void release() {
        if (m_limited)
            ::setrlimit(RLIMIT_FSIZE, &m_saved);
        m_limited = false;
        if (m_mounted)
            ::unlink((m_folder + "/.filler").constData());
    }

private:
    DiskLimit m_kind;
    QByteArray m_folder;
    bool m_mounted = false;
    bool m_limited = false;
    rlimit m_saved{};
};

} // namespace nimbrel::testing
