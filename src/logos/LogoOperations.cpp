#include "logos/LogoOperations.h"

#include "logos/LogoBlock.h"
#include "platform/ByteReader.h"

namespace nimbrel::logos {

namespace {

constexpr int kBeforeBlockMs = 1;
constexpr int kAfterBlockMs = 200;
constexpr int kBitmapSettleMs = 100;
// A 6-byte request leaves the output queue in well under a millisecond; a queue that stays
// full this long belongs to a line that no longer moves.
constexpr int kRequestDrainMs = 1000;
// 256 bytes take 27 ms at 115200 baud and 270 ms at 9600.
constexpr int kBlockDrainMs = 2000;

// The widest logo the printer keeps; wider answers are refused by the decoder.
constexpr int kWidestLogoAnswer = 254;

// Whether a header's size fields announce columns the decoders take; otherwise the answer is
// taken as it came and the decoders tell the user what is wrong with it.
bool announcesColumns(int width, int bytesPerColumn, int widest) {
    return width > 0 && width <= widest && bytesPerColumn > 0 && bytesPerColumn <= 4;
}

// The logo answer: 0x06, width, bytes per column, the columns; any other single byte is the
// answer for an empty slot.
int logoAnswerLength(const QByteArray& soFar) {
    if (soFar.size() == 1 && platform::u8At(soFar, 0) != 0x06)
        return 1;
    if (soFar.size() < 3)
        return -1;
    const int width = platform::u8At(soFar, 1);
    const int rows = platform::u8At(soFar, 2);
    return announcesColumns(width, rows, kWidestLogoAnswer) ? 3 + width * rows
                                                            : static_cast<int>(soFar.size());
}

// The bitmap answer: a width word, bytes per column, the columns; width 0 for no bitmap.
int bitmapAnswerLength(const QByteArray& soFar) {
    if (soFar.size() < 2)
        return -1;
    const int width = platform::u8At(soFar, 0) | (platform::u8At(soFar, 1) << 8);
    if (width == 0)
        return static_cast<int>(soFar.size());
    if (soFar.size() < 3)
        return -1;
    const int rows = platform::u8At(soFar, 2);
    return announcesColumns(width, rows, 0xFFFF) ? 3 + width * rows
                                                 : static_cast<int>(soFar.size());
}

link::ExchangeResult sendWithBlock(link::Line& line, const QByteArray& request,
                                   const QByteArray& block) {
    link::Request r;
    r.command = request;
    r.drainCommandMs = kRequestDrainMs;
    // The block must have left too: a line that hung up in the middle is not a success.
    r.drainPiecesMs = kBlockDrainMs;
    r.pieces.push_back({block, kBeforeBlockMs, kAfterBlockMs});
    r.dropAnswer = true;
    link::ExchangeResult result = link::exchange(line, r);
    // A printer that is off or unplugged takes the bytes without a word: only an answer says
    // the block was taken.
    if (result.ok() && result.reply.isEmpty())
        result.error = link::ExchangeError::NoReply;
    return result;
}

} // namespace

link::ExchangeResult readLogo(link::Line& line, int number) {
    link::Request request;
    request.command = readLogoRequest(number);
    request.wait = link::kLogoReadWait;
    request.bufferSize = kLogoReadBuffer;
    request.length = logoAnswerLength;
    return link::exchange(line, request);
}

link::ExchangeResult writeLogo(link::Line& line, int number, const QByteArray& block) {
    return sendWithBlock(line, writeLogoRequest(number, static_cast<int>(block.size())),
                         blockTransfer(block));
}

link::ExchangeResult deleteLogo(link::Line& line, int number) {
    return sendWithBlock(line, deleteLogoRequest(number), QByteArray(kBlockTransferSize, '\0'));
}

link::ExchangeResult readBitmap(link::Line& line) {
    link::Request request;
    request.command = bitmapRequest();
    request.wait = link::kBitmapWait;
    request.recountAfterMs = kBitmapSettleMs;
    request.bufferSize = kBitmapBuffer;
    request.length = bitmapAnswerLength;
    return link::exchange(line, request);
}

} // namespace nimbrel::logos
