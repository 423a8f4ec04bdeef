#include "platform/AtomicFile.h"

#include <QSaveFile>

namespace nimbrel::platform {

FileWriteResult writeFileAtomically(const QString& path, const QByteArray& bytes) {
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
