#pragma once

#include "logos/LogoFiles.h"
#include "logos/LogoState.h"

#include <QByteArray>
#include <QString>

namespace nimbrel::logos {

// The write request announces the block's length in one byte, and 256 bytes follow it.
inline constexpr int kMaxBlockLength = 255;
inline constexpr int kBlockTransferSize = 256;
inline constexpr int kLogoReadBuffer = 131072;
inline constexpr int kBitmapBuffer = 8192;

// "005"
QString logoNumberDigits(int number);
// 0x0F "i" ddd 0x0E
QByteArray readLogoRequest(int number);
// 0x0F "l" ddd L
QByteArray writeLogoRequest(int number, int blockLength);
// 0x0F "l" ddd 0x0E
QByteArray deleteLogoRequest(int number);
// 0x0F "b" 0x0E
QByteArray bitmapRequest();

// The editor's logo as a logo block: X, R, the columns packed from the bottom row. R becomes
// ceil(height / 8).
QByteArray encodeLogoBlock(LogoState& logo);
// The block followed by zero bytes up to 256.
QByteArray blockTransfer(const QByteArray& block);
QString blockTooLongText(int width, int height, int blockLength);

// The answer to a logo read.
struct LogoAnswer {
    enum class Kind { Empty, BadWidth, BadRows, Logo };
    Kind kind = Kind::Empty;
    int width = 0;
    int bytesPerColumn = 0;
    QByteArray columns; // width x R bytes, zero-padded when the answer was short
};
LogoAnswer decodeLogoAnswer(const QByteArray& answer);
// The file a logo read leaves behind: length word X x R + 2, X, R, the columns.
QByteArray logoAnswerFile(const LogoAnswer& answer);

// The answer to the current-mark bitmap request; `empty` when it holds no picture.
struct BitmapAnswer {
    bool empty = true;
    ColumnPicture picture;
};
BitmapAnswer decodeBitmapAnswer(const QByteArray& answer);

} // namespace nimbrel::logos
