#include "logos/LogoOperations.h"

#include "logos/LogoBlock.h"

namespace nimbrel::logos {

namespace {

constexpr int kBeforeBlockMs = 1;
constexpr int kAfterBlockMs = 200;
constexpr int kBitmapSettleMs = 100;
// A 6-byte request leaves the output queue in well under a millisecond; a queue that stays
// full this long belongs to a line that no longer moves.
constexpr int kRequestDrainMs = 1000;

link::ExchangeResult sendWithBlock(link::Line& line, const QByteArray& request,
                                   const QByteArray& block) {
    link::Request r;
    r.command = request;
    r.drainCommandMs = kRequestDrainMs;
    r.pieces.push_back({block, kBeforeBlockMs, kAfterBlockMs});
    r.dropAnswer = true;
    return link::exchange(line, r);
}

} // namespace

link::ExchangeResult readLogo(link::Line& line, int number) {
    link::Request request;
    request.command = readLogoRequest(number);
    request.wait = link::kLogoReadWait;
    request.bufferSize = kLogoReadBuffer;
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
    return link::exchange(line, request);
}

} // namespace nimbrel::logos
