#include "printer/ClockCommands.h"

#include "platform/Cp1251.h"

#include <QCoreApplication>
#include <QList>

namespace nimbrel::printer {

namespace {

constexpr int kTypedClockLength = 13;
constexpr int kDigitsLength = 6;

} // namespace

QByteArray setDateCommand(const QString& dateDigits) {
    return QByteArray("\x1A"
                      "D") +
           platform::encodeCp1251(dateDigits) + QByteArray("\x0E");
}

QByteArray setTimeCommand(const QString& timeDigits) {
    return QByteArray("\x1A"
                      "T") +
           platform::encodeCp1251(timeDigits) + QByteArray("\x0E");
}

QString dateDigits(const QDateTime& at) {
    return at.date().toString(QStringLiteral("ddMMyy"));
}

QString timeDigits(const QDateTime& at) {
    return at.time().toString(QStringLiteral("HHmmss"));
}

QString clockQuestionText(const QDateTime& at) {
    return QCoreApplication::translate("ClockCommands",
                                       "Установить время по Компьютеру?\n\rДата:  %1\tВремя:  %2")
        .arg(at.date().toString(QStringLiteral("dd.MM.yyyy")),
             at.time().toString(QStringLiteral("HH:mm:ss")));
}

QString clockProposedText(const QDateTime& at) {
    return dateDigits(at) + QLatin1Char(' ') + timeDigits(at);
}

bool splitTypedClock(const QString& typed, QString& date, QString& time) {
    // Characters, not UTF-16 units: each one becomes one byte on the wire.
    const QList<uint> chars = typed.toUcs4();
    if (chars.size() != kTypedClockLength)
        return false;
    date = QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()), kDigitsLength);
    time = QString::fromUcs4(
        reinterpret_cast<const char32_t*>(chars.constData() + kTypedClockLength - kDigitsLength),
        kDigitsLength);
    return true;
}

QByteArray dateOffsetCommand(int days) {
    return QByteArray("\x1D"
                      "D") +
           QByteArray::number(days).rightJustified(4, '0') + QByteArray("\x0E");
}

QString postDateText(const QDate& today, int days) {
    return today.addDays(days).toString(QStringLiteral("dd.MM.yyyy"));
}

QString postDateQuestionText(const QString& postDate) {
    return QCoreApplication::translate("ClockCommands", "УСТАНОВИТЬ ПОСТ-ДАТУ:  %1 ?\n\r('нет'- "
                                                        "повторить ввод, 'выход'- отмена)")
        .arg(postDate);
}

} // namespace nimbrel::printer
