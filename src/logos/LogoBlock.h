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
    QByteArray data;    // the answer's bytes from offset 3 on, as they came
};
// One byte, or one byte followed by nothing but zeros, is the empty slot's answer.
LogoAnswer decodeLogoAnswer(const QByteArray& answer);
// The file a logo read leaves behind: length word X x R + 2, X, R, then the answer's bytes
// from offset 3 unchanged, however many there were.
QByteArray logoAnswerFile(const LogoAnswer& answer);

// How a logo read back after a write compares with the block sent.
struct ReadBackCheck {
    enum class Result { Same, NoLogo, OtherSize, OtherColumn };
    Result result = Result::NoLogo;
    int column = -1; // the first differing column for OtherColumn
};
ReadBackCheck checkReadBack(const QByteArray& block, const QByteArray& answer);

// A block of X x R = 12 announces the length 0x0E: its write request would be the delete
// request byte for byte.
bool readsAsDelete(const QByteArray& block);
// The block with one light column more on the right.
QByteArray withEmptyColumn(const QByteArray& block);

// The answer to the current-mark bitmap request; `empty` when it holds no picture.
struct BitmapAnswer {
    bool empty = true;
    ColumnPicture picture;
};
BitmapAnswer decodeBitmapAnswer(const QByteArray& answer);

} // namespace nimbrel::logos
