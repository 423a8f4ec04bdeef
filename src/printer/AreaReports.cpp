#include "printer/AreaReports.h"

#include "platform/ByteReader.h"

#include <QCoreApplication>

namespace nimbrel::printer {

namespace {

constexpr int kOccupied = 'Y';
constexpr int kLastMark = 85;
constexpr int kLogoCount = 128;
constexpr int kLogosPerRow = 8;

QString digits(int value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

bool markOccupied(const QByteArray& reply, int mark) {
    return mark > 0 && platform::u8At(reply, mark - 1) == kOccupied;
}

bool logoOccupied(const QByteArray& reply, int logo) {
    return platform::u8At(reply, logo) == kOccupied;
}

QString markCell(const QByteArray& reply, int mark) {
    if (markOccupied(reply, mark))
        return digits(mark, 2) + QStringLiteral("   ");
    return QStringLiteral("--    ");
}

QString logoCell(const QByteArray& reply, int logo) {
    if (logoOccupied(reply, logo))
        return digits(logo, 3) + QStringLiteral(" ");
    return QStringLiteral("---  ");
}

} // namespace

QString buildMarkAreaReport(const QByteArray& reply, int xpFlag) {
    QString text =
        QCoreApplication::translate("AreaReports", "ЗАПОЛНЕНИЕ ОБЛАСТИ ТЕКСТОВЫХ МАРОК:\r\n\n");
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
    QString text = QCoreApplication::translate("AreaReports",
                                               "ЗАПОЛНЕНИЕ ГРАФИЧЕСКОЙ ОБЛАСТИ МАРКИРАТОРА:\r\n\n");
    for (int first = 0; first < kLogoCount; first += kLogosPerRow) {
        for (int logo = first; logo < first + kLogosPerRow; ++logo)
            text += logoCell(reply, logo);
        text += QStringLiteral("  | ") + digits(first, 3) + QStringLiteral(":") +
                digits(first + kLogosPerRow - 1, 3) + QStringLiteral("\n\r");
    }
    return text;
}

std::vector<int> occupiedMarks(const QByteArray& reply) {
    std::vector<int> out;
    for (int mark = 1; mark <= kLastMark; ++mark)
        if (markOccupied(reply, mark))
            out.push_back(mark);
    return out;
}

std::vector<int> occupiedLogos(const QByteArray& reply) {
    std::vector<int> out;
    for (int logo = 0; logo < kLogoCount; ++logo)
        if (logoOccupied(reply, logo))
            out.push_back(logo);
    return out;
}

} // namespace nimbrel::printer
