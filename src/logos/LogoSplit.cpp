#include "logos/LogoSplit.h"

#include "logos/LogoBlock.h"
#include "logos/LogoEditor.h"
#include "logos/LogoFiles.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace nimbrel::logos {

namespace {

int ceilDiv(int a, int b) {
    return (a + b - 1) / b;
}

// Only the file name changes case: the folders must stay as they are on a case-sensitive disk.
QString withFileNameCase(const QString& path, bool upper) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    return path.left(slash + 1) + (upper ? name.toUpper() : name.toLower());
}

} // namespace

int wideCheckParts(int x, int r) {
    switch (r) {
    case 4:
        if (x <= 63)
            return 0;
        return x < 127 ? 2 : x < 190 ? 3 : x < 252 ? 4 : -1;
    case 3:
        if (x <= 84)
            return 0;
        // From 337 columns on even a quarter is wider than 84 columns.
        return x < 166 ? 2 : x < 253 ? 3 : x <= 4 * 84 ? 4 : -1;
    case 2:
        if (x <= 127)
            return 0;
        return x < 255 ? 2 : x < 382 ? 3 : -1;
    default:
        return 0;
    }
}

std::vector<int> wideCheckStripWidths(int x, int parts) {
    const int c = ceilDiv(x, parts);
    const int f = x / parts;
    switch (parts) {
    case 2:
        return {c, x - c};
    case 3:
        return {c, f, x - c - f};
    case 4:
        return {c, f, c, x - 2 * c - f};
    default:
        return {x};
    }
}

std::vector<int> multiPartStripWidths(int x, int parts) {
    const int c = ceilDiv(x, parts);
    const int f = x / parts;
    std::vector<int> widths;
    int used = 0;
    for (int i = 0; i < parts - 1; ++i) {
        widths.push_back(i < parts / 2 ? c : f);
        used += widths.back();
    }
    widths.push_back(x - used);
    return widths;
}

int binPartCount(int width, int bytesPerColumn) {
    return ceilDiv(width * bytesPerColumn, kMaxLogoData);
}

QString widePartFileName(const QString& chosen, int part) {
    return chosen + QStringLiteral("_%1.bmp").arg(part);
}

QString multiPartBase(const QString& chosen) {
    return withFileNameCase(chosen.left(std::max<qsizetype>(chosen.size() - 4, 0)), false);
}

QString multiPartFileName(const QString& base, int part) {
    return base + QStringLiteral("_%1.bin").arg(part);
}

QImage stripImage(const LogoState& logo, int first, int width) {
    return logo.logo.copy(first, 0, width, logo.height).convertToFormat(QImage::Format_RGB32);
}

QByteArray multiPartFile(const LogoState& logo, int first, int width, int r) {
    return encodeBinFile(r * width + 2, width, r, packColumns(logo, first, width, r, 8 * r - 1));
}

std::vector<LogoStrip> stripsOf(const std::vector<int>& widths) {
    std::vector<LogoStrip> out;
    int first = 0;
    for (int w : widths) {
        out.push_back({first, w});
        first += w;
    }
    return out;
}

int widestSlotWidth(int bytesPerColumn) {
    return (kMaxBlockLength - 2) / std::max(bytesPerColumn, 1);
}

QByteArray stripBlock(const LogoState& logo, const LogoStrip& strip) {
    const int r = bytesPerColumnFor(logo.height);
    QByteArray block;
    block.append(static_cast<char>(strip.width & 0xFF));
    block.append(static_cast<char>(r));
    block.append(packColumns(logo, strip.first, strip.width, r, logo.height - 1));
    return block;
}

std::vector<LogoFileOut> multiPartFiles(const LogoState& logo, const QString& chosen, int parts) {
    const int r = bytesPerColumnFor(logo.height);
    const QString base = multiPartBase(chosen);
    std::vector<LogoFileOut> out;
    for (const LogoStrip& s : stripsOf(multiPartStripWidths(logo.width, parts)))
        out.push_back({multiPartFileName(base, static_cast<int>(out.size()) + 1),
                       multiPartFile(logo, s.first, s.width, r)});
    return out;
}

LogoFilesOut logoFilesFor(LogoState& logo, const QString& path) {
    LogoFilesOut out;
    const QString type = QFileInfo(path).suffix().toLower();
    logo.bytesPerColumn = bytesPerColumnFor(logo.height);
    const int r = logo.bytesPerColumn;
    if (type == QLatin1String("bmp")) {
        out.files.push_back({path, encodeBmp(logo)});
    } else if (type == QLatin1String("pbm")) {
        QByteArray bytes;
        bytes.append(static_cast<char>(r));
        bytes.append(static_cast<char>(logo.width & 0xFF));
        bytes.append(static_cast<char>(logo.width >> 8));
        bytes.append(packColumns(logo, 0, logo.width, r, logo.height - 1));
        out.files.push_back({path, bytes});
    } else if (type == QLatin1String("bin")) {
        const int parts = binPartCount(logo.width, r);
        if (parts <= 1)
            out.files.push_back({path, singleBinFile(logo)});
        else if (parts <= kMaxBinParts)
            out.files = multiPartFiles(logo, path, parts);
        else
            out.error = tooManyPartsText();
    } else {
        out.error = QCoreApplication::translate("LogoSplit",
                                                "Файл типа '%1' записать невозможно.\n\rЛоготип "
                                                "сохраняется в файлах '.BIN', '.PBM' и '.BMP'.")
                        .arg(type);
    }
    return out;
}

QString tooManyPartsText() {
    return QCoreApplication::translate(
        "LogoSplit", "ПРЕВЫШЕНИЕ РАЗУМНОЙ ДЛИНЫ МАРКИ -\n\rРИСУНОК ЗАЙМЕТ БОЛЕЕ 12 ЛОГОТИПОВ!");
}

QString wideCheckQuestion(const QString& chosen, int parts) {
    QString text = QCoreApplication::translate("LogoSplit", " Создано %1 файлов:\n\r").arg(parts);
    for (int i = 1; i <= parts; ++i)
        text += QStringLiteral("-  ") + widePartFileName(chosen, i) + QStringLiteral("\n\r");
    text +=
        QCoreApplication::translate("LogoSplit", "\n\rОткрыть первый из созданных файлов: \n\r");
    text += QFileInfo(chosen).fileName().toUpper() + QStringLiteral("_1.BMP?");
    return text;
}

QString multiPartQuestion(const QString& base, int parts) {
    return QCoreApplication::translate("LogoSplit", " Создано %1 файлов:\n\r").arg(parts) +
           QCoreApplication::translate("LogoSplit", "Открыть первый из созданных файлов: %1")
               .arg(withFileNameCase(base, true) + QStringLiteral("_1.BIN?"));
}

QString wideCheckRefusal(int width, int height) {
    return QCoreApplication::translate("LogoSplit",
                                       "Логотип %1x%2 слишком широк для записи в Маркиратор:\n\r"
                                       "даже на 4 части его разрезать нельзя.\n\r"
                                       "Уменьшите ширину Логотипа.")
        .arg(width)
        .arg(height);
}

} // namespace nimbrel::logos
