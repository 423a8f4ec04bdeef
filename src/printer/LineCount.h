#pragma once

#include <QByteArray>
#include <QString>

namespace nimbrel::printer {

// The current number of text lines, byte 1 of the reply as a signed byte, offered as the
// default answer: "1".."4", or "?" for anything else.
QString lineCountDefault(const QByteArray& reply);
// T260 prints up to four lines, every other model two.
int lineCountLimit(const QString& model);
// "НАСТРОЙКА МАРКИРАТОРА  T260"
QString lineCountTitle(const QString& model);
// "Введите Число Строк Печати (1..4)"
QString lineCountPrompt(const QString& model);
// 0x0C "S", the answer exactly as typed, 0x0E.
QByteArray setLineCountCommand(const QString& typed);
// The printer reports another number of lines than was just set.
QString lineCountDiffersText(int reported);
// The number was sent, but the printer did not answer when it was read back.
QString lineCountUncheckedText();

} // namespace nimbrel::printer
