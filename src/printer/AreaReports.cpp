#include "printer/AreaReports.h"

#include "printer/ReplyBytes.h"

namespace nimbrel::printer {

namespace {

constexpr int kOccupied = 'Y';
constexpr int kLastMark = 85;
constexpr int kLogoCount = 128;
constexpr int kLogosPerRow = 8;

QString digits(int value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

QString markCell(const QByteArray& reply, int mark) {
    if (mark > 0 && u8At(reply, mark - 1) == kOccupied)
        return digits(mark, 2) + QStringLiteral("   ");
    return QStringLiteral("--    ");
}

QString logoCell(const QByteArray& reply, int logo) {
    if (u8At(reply, logo) == kOccupied)
        return digits(logo, 3) + QStringLiteral(" ");
    return QStringLiteral("---  ");
}

} // namespace

QString buildMarkAreaReport(const QByteArray& reply, int xpFlag) {
    QString text = QStringLiteral("ЗАПОЛНЕНИЕ ОБЛАСТИ ТЕКСТОВЫХ МАРОК:\r\n\n");
    for (int first = 0; first < 80; first += 10) {
        for (int mark = first; mark < first + 10; ++mark)
            text += markCell(reply, mark);
        text += QStringLiteral("\t| ") + digits(first, 2) + QStringLiteral(":") +
                digits(first + 9, 2) + QStringLiteral("\n\r");
    }
    for (int mark = 80; mark <= kLastMark; ++mark)
        text += markCell(reply, mark);
    if (xpFlag == 1)
        text += QStringLiteral("\t\t\t| 80:85   \n\r");
    else
        text += QStringLiteral("\t\t| 80:85\n\r");
    return text;
}

QString buildLogoAreaReport(const QByteArray& reply) {
    QString text = QStringLiteral("ЗАПОЛНЕНИЕ ГРАФИЧЕСКОЙ ОБЛАСТИ МАРКИРАТОРА:\r\n\n");
    for (int first = 0; first < kLogoCount; first += kLogosPerRow) {
        for (int logo = first; logo < first + kLogosPerRow; ++logo)
            text += logoCell(reply, logo);
        text += QStringLiteral("  | ") + digits(first, 3) + QStringLiteral(":") +
                digits(first + kLogosPerRow - 1, 3) + QStringLiteral("\n\r");
    }
    return text;
}

} // namespace nimbrel::printer
