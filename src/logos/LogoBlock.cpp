#include "logos/LogoBlock.h"
#include "platform/ByteReader.h"

#include "logos/LogoEditor.h"

#include <QCoreApplication>

#include <algorithm>

namespace nimbrel::logos {

namespace {

constexpr int kMaxAnswerWidth = 254;
// The end byte 0x0E, which the delete request carries where a write announces the length.
constexpr int kDeleteLength = 0x0E;

QByteArray columnsFrom(const QByteArray& answer, int offset, int size) {
    QByteArray columns = answer.mid(offset, size);
    columns.append(QByteArray(size - columns.size(), '\0'));
    return columns;
}

QByteArray request(char letter, int number, char last) {
    QByteArray out("\x0F");
    out.append(letter);
    out.append(logoNumberDigits(number).toLatin1());
    out.append(last);
    return out;
}

} // namespace

QString logoNumberDigits(int number) {
    return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

QByteArray readLogoRequest(int number) {
    return request('\x69', number, '\x0E');
}

QByteArray writeLogoRequest(int number, int blockLength) {
    return request('\x6C', number, static_cast<char>(blockLength));
}

QByteArray deleteLogoRequest(int number) {
    return request('\x6C', number, '\x0E');
}

QByteArray bitmapRequest() {
    return QByteArray("\x0F\x62\x0E");
}

QByteArray encodeLogoBlock(LogoState& logo) {
    logo.bytesPerColumn = bytesPerColumnFor(logo.height);
    const int r = logo.bytesPerColumn;
    QByteArray block;
    block.append(static_cast<char>(logo.width & 0xFF));
    block.append(static_cast<char>(r));
    block.append(packColumns(logo, 0, logo.width, r, logo.height - 1));
    return block;
}

QByteArray blockTransfer(const QByteArray& block) {
    QByteArray out = block.left(kBlockTransferSize);
    out.append(QByteArray(kBlockTransferSize - out.size(), '\0'));
    return out;
}

QString blockTooLongText(int width, int height, int blockLength) {
    return QCoreApplication::translate("LogoBlock",
                                       "Логотип %1x%2 слишком велик для записи в Маркиратор:\n\r"
                                       "блок данных %3 байт, допустимо не более 255.\n\r"
                                       "Уменьшите Логотип или разрежьте его на части.")
        .arg(width)
        .arg(height)
        .arg(blockLength);
}

LogoAnswer decodeLogoAnswer(const QByteArray& answer) {
    LogoAnswer out;
    // The empty slot's one byte, also when a printer pads its answers with zeros.
    if (std::all_of(answer.begin() + std::min<qsizetype>(1, answer.size()), answer.end(),
                    [](char b) { return b == '\0'; }))
        return out;
    out.width = platform::u8At(answer, 1);
    out.bytesPerColumn = platform::u8At(answer, 2);
    if (out.width == 0 || out.width > kMaxAnswerWidth) {
        out.kind = LogoAnswer::Kind::BadWidth;
        return out;
    }
    if (out.bytesPerColumn == 0 || out.bytesPerColumn > 4) {
        out.kind = LogoAnswer::Kind::BadRows;
        return out;
    }
    out.kind = LogoAnswer::Kind::Logo;
    out.columns = columnsFrom(answer, 3, out.width * out.bytesPerColumn);
    out.data = answer.mid(3);
    return out;
}

QByteArray logoAnswerFile(const LogoAnswer& answer) {
    return encodeBinFile(answer.width * answer.bytesPerColumn + 2, answer.width,
                         answer.bytesPerColumn, answer.data);
}

ReadBackCheck checkReadBack(const QByteArray& block, const QByteArray& answer) {
    ReadBackCheck out;
    const LogoAnswer got = decodeLogoAnswer(answer);
    if (got.kind != LogoAnswer::Kind::Logo)
        return out;
    const int width = platform::u8At(block, 0);
    const int r = platform::u8At(block, 1);
    if (got.width != width || got.bytesPerColumn != r) {
        out.result = ReadBackCheck::Result::OtherSize;
        return out;
    }
    const QByteArray sent = columnsFrom(block, 2, width * r);
    for (int x = 0; x < width; ++x)
        if (sent.mid(qsizetype(x) * r, r) != got.columns.mid(qsizetype(x) * r, r)) {
            out.result = ReadBackCheck::Result::OtherColumn;
            out.column = x;
            return out;
        }
    out.result = ReadBackCheck::Result::Same;
    return out;
}

bool readsAsDelete(const QByteArray& block) {
    return block.size() == kDeleteLength;
}

QByteArray withEmptyColumn(const QByteArray& block) {
    QByteArray out = block;
    out[0] = static_cast<char>(platform::u8At(block, 0) + 1);
    out.append(QByteArray(platform::u8At(block, 1), '\0'));
    return out;
}

BitmapAnswer decodeBitmapAnswer(const QByteArray& answer) {
    BitmapAnswer out;
    if (answer.size() <= 2)
        return out;
    const QByteArray read = answer.left(kBitmapBuffer);
    ColumnPicture& p = out.picture;
    p.width = std::min(platform::u8At(read, 0) | (platform::u8At(read, 1) << 8), kGridColumns);
    p.bytesPerColumn = std::min(platform::u8At(read, 2), 4);
    if (p.width == 0 || p.bytesPerColumn == 0)
        return out;
    out.empty = false;
    p.columns = columnsFrom(read, 3, p.width * p.bytesPerColumn);
    return out;
}

} // namespace nimbrel::logos
