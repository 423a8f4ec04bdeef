#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

namespace nimbrel::printer {

// 0x1A "D" DDMMYY 0x0E and 0x1A "T" HHMMSS 0x0E. The digits go out as given: the printer,
// not the program, judges a typed date.
QByteArray setDateCommand(const QString& dateDigits);
QByteArray setTimeCommand(const QString& timeDigits);
// "311219" and "235959" from the PC clock.
QString dateDigits(const QDateTime& at);
QString timeDigits(const QDateTime& at);

// "Установить время по Компьютеру?\n\rДата:  31.05.2019\tВремя:  14:05:09"
QString clockQuestionText(const QDateTime& at);
// "310519 140509", the form the user is asked to type.
QString clockProposedText(const QDateTime& at);
// A typed answer of exactly 13 characters: the first six are the date, the last six the time.
// False for any other length.
bool splitTypedClock(const QString& typed, QString& date, QString& time);

// 0x1D "D", the offset in four digits, 0x0E; `days` must be 0..9999.
QByteArray dateOffsetCommand(int days);
// "dd.mm.yyyy" of today plus the offset.
QString postDateText(const QDate& today, int days);
QString postDateQuestionText(const QString& postDate);

} // namespace nimbrel::printer
