#include "printer/PrintModeReport.h"

#include "platform/ByteReader.h"

namespace nimbrel::printer {

QString buildPrintModeReport(const QByteArray& reply, int xpFlag) {
    const bool xp = xpFlag == 1;
    const int flags = platform::u8At(reply, 1);
    const QString yes = QStringLiteral("ДА");
    const QString no = QStringLiteral("нет");
    auto bit = [flags](int n) { return (flags >> n) & 1; };

    QString text = QStringLiteral("ТЕКУЩИЕ УСТАВКИ РЕЖИМА ПЕЧАТИ:\r\n\n");
    const char16_t* const labels[] = {
        u"Коррекция вертикальных линий\t", u"Реверс печати\t\t\t",
        u"Вертикальный переворот\t\t",     u"Автоповтор Печати Марки\t\t",
        u"Синхронизация от ТахоДатчика\t", u"Задержка от ТахоДатчика\t\t",
    };
    for (int i = 0; i < 6; ++i)
        text += QString::fromUtf16(labels[i]) + (bit(7 - i) ? yes : no) + QStringLiteral("\n\r");

    // These two switch an automatic function off, so a clear bit means it is on.
    text += (xp ? QStringLiteral("АвтоУстановка Порога Теста\t")
                : QStringLiteral("АвтоУстановка Порога Теста\t\t")) +
            (bit(1) ? no : yes) + QStringLiteral("\n\r");
    text += (xp ? QStringLiteral("Автоматическое Фазирование\t")
                : QStringLiteral("Автоматическое Фазирование\t\t")) +
            (bit(0) ? no : yes) + (xp ? QStringLiteral("  \n\r") : QStringLiteral("\n\r"));
    return text;
}

} // namespace nimbrel::printer
