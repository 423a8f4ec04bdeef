#include "printer/PrintModeReport.h"

#include "platform/ByteReader.h"

#include <QCoreApplication>

namespace nimbrel::printer {

namespace {

// The labels as the report lays them out without the XP flag, bit 7 first.
const char* const kLabels[] = {
    QT_TRANSLATE_NOOP("PrintModeReport", "Коррекция вертикальных линий\t"),
    QT_TRANSLATE_NOOP("PrintModeReport", "Реверс печати\t\t\t"),
    QT_TRANSLATE_NOOP("PrintModeReport", "Вертикальный переворот\t\t"),
    QT_TRANSLATE_NOOP("PrintModeReport", "Автоповтор Печати Марки\t\t"),
    QT_TRANSLATE_NOOP("PrintModeReport", "Синхронизация от ТахоДатчика\t"),
    QT_TRANSLATE_NOOP("PrintModeReport", "Задержка от ТахоДатчика\t\t"),
    QT_TRANSLATE_NOOP("PrintModeReport", "АвтоУстановка Порога Теста\t\t"),
    QT_TRANSLATE_NOOP("PrintModeReport", "Автоматическое Фазирование\t\t"),
};

} // namespace

std::vector<PrintModeSwitch> printModeSwitches(const QByteArray& reply) {
    const int flags = platform::u8At(reply, 1);
    std::vector<PrintModeSwitch> out;
    for (int i = 0; i < 8; ++i) {
        const bool bit = (flags >> (7 - i)) & 1;
        // The last two switch an automatic function off, so a clear bit means it is on.
        out.push_back({QString::fromUtf8(kLabels[i]).trimmed(), i < 6 ? bit : !bit});
    }
    return out;
}

QString buildPrintModeReport(const QByteArray& reply, int xpFlag) {
    const bool xp = xpFlag == 1;
    const std::vector<PrintModeSwitch> switches = printModeSwitches(reply);
    QString text =
        QCoreApplication::translate("PrintModeReport", "ТЕКУЩИЕ УСТАВКИ РЕЖИМА ПЕЧАТИ:\r\n\n");
    for (int i = 0; i < 8; ++i) {
        QString label = QCoreApplication::translate("PrintModeReport", kLabels[i]);
        // With the XP flag the last two labels have one tab fewer (where they have two), and
        // the last line two blanks before its end.
        if (xp && i >= 6 && label.endsWith(QStringLiteral("\t\t")))
            label.chop(1);
        text += label +
                (switches[i].on ? QCoreApplication::translate("PrintModeReport", "ДА")
                                : QCoreApplication::translate("PrintModeReport", "нет")) +
                (xp && i == 7 ? QStringLiteral("  \n\r") : QStringLiteral("\n\r"));
    }
    return text;
}

} // namespace nimbrel::printer
