#pragma once

#include <QByteArray>
#include <QString>

namespace nimbrel::platform {

// The printer speaks single-byte Windows-1251. Byte 0x98 has no character and decodes as
// U+FFFD; characters without a byte encode as "?".
QString decodeCp1251(const QByteArray& bytes);
QByteArray encodeCp1251(const QString& text);

// The bytes before the first 0 byte, decoded: how the printer's text replies end.
QString textUpToZero(const QByteArray& bytes);

} // namespace nimbrel::platform
