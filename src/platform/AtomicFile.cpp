#include "platform/AtomicFile.h"

#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>

namespace nimbrel::platform {

namespace {

// A device or a FIFO cannot be replaced by a rename (that would put a regular file in place of
// /dev/null): it is opened and written as it stands.
bool isSpecialFile(const QString& path) {
    struct stat st {};
    // stat, not lstat: a link counts as what it points to.
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}

FileWriteResult writeInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {file.errorString()};
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        return {reason.isEmpty() ? QStringLiteral("write failed") : reason};
    }
    file.close();
    return {};
}

} // namespace

FileWriteResult writeFileAtomically(const QString& path, const QByteArray& bytes) {
    if (isSpecialFile(path))
        return writeInPlace(path, bytes);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {file.errorString()};
    // commit() flushes on its own but does not report that flush failing (a full disk then
    // leaves an empty file in place of the old one), so flush and check first.
    const bool written =
        file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (!written) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {reason.isEmpty() ? QStringLiteral("write failed") : reason};
    }
    if (!file.commit())
        return {file.errorString()};
    return {};
}

} // namespace nimbrel::platform
