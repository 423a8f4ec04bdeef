#include "printer/PrintModeReport.h"

#include "platform/ByteReader.h"

namespace nimbrel::printer {

namespace {

// The labels as the report lays them out without the XP flag, bit 7 first.
const char16_t* const kLabels[] = {
    u"Коррекция вертикальных линий\t", u"Реверс печати\t\t\t",
    u"Вертикальный переворот\t\t",     u"Автоповтор Печати Марки\t\t",
    u"Синхронизация от ТахоДатчика\t", u"Задержка от ТахоДатчика\t\t",
    u"АвтоУстановка Порога Теста\t\t", u"Автоматическое Фазирование\t\t",
};

} // namespace

std::vector<PrintModeSwitch> printModeSwitches(const QByteArray& reply) {
    const int flags = platform::u8At(reply, 1);
    std::vector<PrintModeSwitch> out;
    for (int i = 0; i < 8; ++i) {
        const bool bit = (flags >> (7 - i)) & 1;
        // The last two switch an automatic function off, so a clear bit means it is on.
        out.push_back({QString::fromUtf16(kLabels[i]).trimmed(), i < 6 ? bit : !bit});
    }
    return out;
}

QString buildPrintModeReport(const QByteArray& reply, int xpFlag) {
    const bool xp = xpFlag == 1;
    const std::vector<PrintModeSwitch> switches = printModeSwitches(reply);
    QString text = QStringLiteral("ТЕКУЩИЕ УСТАВКИ РЕЖИМА ПЕЧАТИ:\r\n\n");
    for (int i = 0; i < 8; ++i) {
        QString label = QString::fromUtf16(kLabels[i]);
        // With the XP flag the last two labels have one tab fewer, and the last line two
        // blanks before its end.
        if (xp && i >= 6)
            label.chop(1);
        text += label + (switches[i].on ? QStringLiteral("ДА") : QStringLiteral("нет")) +
                (xp && i == 7 ? QStringLiteral("  \n\r") : QStringLiteral("\n\r"));
    }
    return text;
}

} // namespace nimbrel::printer
