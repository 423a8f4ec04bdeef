#include "printer/Counters.h"

#include "platform/ByteReader.h"

#include <QCoreApplication>

namespace nimbrel::printer {

namespace {

constexpr int kMaxDigit = 99;

QString twoDigits(int value) {
    if (value > kMaxDigit)
        return QStringLiteral("??");
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString counterText(const QByteArray& reply, int firstByte, int digits, bool tenths) {
    QString text;
    if (digits <= 0)
        return text;
    const int last = firstByte + digits - 1;
    for (int i = firstByte; i < last; ++i) {
        const int value = platform::u8At(reply, i);
        if (!text.isEmpty())
            text += twoDigits(value);
        else if (value > kMaxDigit)
            text += twoDigits(value);
        else if (value != 0)
            text += QString::number(value);
    }
    const QString pair = twoDigits(platform::u8At(reply, last));
    if (tenths)
        text += pair.left(1) + QLatin1Char('.') + pair.right(1);
    else
        text += pair;
    return text;
}

QString workingHoursText(const QByteArray& reply) {
    return QCoreApplication::translate("Counters", "  Маркиратор отработал %1 часов. ")
        .arg(counterText(reply, 1, 4, true));
}

QString printedCountText(const QByteArray& reply) {
    return QCoreApplication::translate("Counters", "  Маркиратор отпечатал %1 марок. ")
        .arg(counterText(reply, 1, 6, false));
}

} // namespace nimbrel::printer
