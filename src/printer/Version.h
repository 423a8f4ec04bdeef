#pragma once

#include <QByteArray>
#include <QString>

namespace nimbrel::printer {

// The version reply is a text ending at its first 0 byte. Byte 0 is not interpreted; bytes 1
// to 4 hold the model code and everything from byte 1 on is the version shown to the user.

// True when the reply holds no text at all (nothing arrived, or its first byte is 0).
bool isEmptyVersion(const QByteArray& reply);
// The version as shown: the text without its first character.
QString versionText(const QByteArray& reply);
// The model code, upper case: "t936..." gives "T936". Shorter when the text is.
QString modelFromVersion(const QByteArray& reply);
// "Версия Программы Системы Печати:\n\r'" + version + "'"
QString versionMessageText(const QByteArray& reply);

} // namespace nimbrel::printer
