#pragma once

#include <QByteArray>
#include <QString>

namespace nimbrel::platform {

struct FileWriteResult {
    QString error; // the system's reason; empty when the file was replaced
    bool ok() const { return error.isEmpty(); }
};

// Every file the program writes goes through here: the bytes go to a file beside the target,
// are flushed and checked, and only then replace the target in one rename. On any failure the
// old file stays as it was and the reason is returned. An existing device or FIFO is written in
// place; a symbolic link is written through to its target.
FileWriteResult writeFileAtomically(const QString& path, const QByteArray& bytes);

// A write past the file-size limit must fail with an error, not end the program; called once
// at the start of every program that writes files.
void ignoreFileSizeSignal();

} // namespace nimbrel::platform
