#include "logos/LogoOperations.h"

#include "logos/LogoBlock.h"
#include "platform/ByteReader.h"

#include <QCoreApplication>

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

// The logo answer: a byte nothing interprets, width, bytes per column, the columns. Until its
// header is in, or when the header announces no logo (the empty slot's single byte), the
// answer tells no length.
int logoAnswerLength(const QByteArray& soFar) {
    if (soFar.size() < 3)
        return link::kLengthOpen;
    const int width = platform::u8At(soFar, 1);
    const int rows = platform::u8At(soFar, 2);
    return announcesColumns(width, rows, kWidestLogoAnswer) ? 3 + width * rows : link::kLengthOpen;
}

// The bitmap answer: a width word, bytes per column, the columns; no length until the header
// is in, nor for an answer that announces no picture.
int bitmapAnswerLength(const QByteArray& soFar) {
    if (soFar.size() < 3)
        return link::kLengthOpen;
    const int width = platform::u8At(soFar, 0) | (platform::u8At(soFar, 1) << 8);
    const int rows = platform::u8At(soFar, 2);
    return announcesColumns(width, rows, 0xFFFF) ? 3 + width * rows : link::kLengthOpen;
}

link::ExchangeResult sendWithBlock(link::Line& line, const QByteArray& request,
                                   const QByteArray& block) {
    link::Request r;
    r.command = request;
    r.drainCommandMs = kRequestDrainMs;
    // The block must have left too: a line that hung up in the middle is not a success.
    r.drainPiecesMs = kBlockDrainMs;
    r.pieces.push_back({block, kBeforeBlockMs, kAfterBlockMs});
    r.takeAnswer = true;
    return link::exchange(line, r);
}

// What a write or delete left in the slot: a failed send, no answer to the check read, or the
// read-back judged by `same`.
template <typename Same>
LogoWrite confirm(link::Line& line, int number, const link::ExchangeResult& sent, Same same) {
    LogoWrite out;
    if (!sent.ok()) {
        out.error = sent.error;
        return out;
    }
    const LogoSlot back = readSlot(line, number);
    if (!back.ok() || back.silent) {
        out.outcome = link::WriteOutcome::Unanswered;
        out.error = back.ok() ? link::ExchangeError::NoReply : back.error;
        return out;
    }
    out.outcome =
        same(back, out.check) ? link::WriteOutcome::Confirmed : link::WriteOutcome::Differs;
    return out;
}

} // namespace

link::ExchangeResult readLogo(link::Line& line, int number) {
    link::Request request;
    request.command = readLogoRequest(number);
    request.wait = link::kLogoReadWait;
    request.bufferSize = kLogoReadBuffer;
    request.length = logoAnswerLength;
    request.keepBeyondLength = true;
    return link::exchange(line, request);
}

LogoSlot readSlot(link::Line& line, int number) {
    LogoSlot out;
    const link::ExchangeResult r = readLogo(line, number);
    if (r.error == link::ExchangeError::NoReply) {
        out.silent = true;
        return out;
    }
    out.error = r.error;
    if (r.ok()) {
        out.reply = r.reply;
        out.answer = decodeLogoAnswer(r.reply);
    }
    return out;
}

link::ExchangeResult writeLogo(link::Line& line, int number, const QByteArray& block) {
    return sendWithBlock(line, writeLogoRequest(number, static_cast<int>(block.size())),
                         blockTransfer(block));
}

link::ExchangeResult deleteLogo(link::Line& line, int number) {
    return sendWithBlock(line, deleteLogoRequest(number), QByteArray(kBlockTransferSize, '\0'));
}

LogoWrite writeLogoVerified(link::Line& line, int number, const QByteArray& block) {
    return confirm(line, number, writeLogo(line, number, block),
                   [&block](const LogoSlot& back, ReadBackCheck& check) {
                       check = checkReadBack(block, back.reply);
                       return check.result == ReadBackCheck::Result::Same;
                   });
}

LogoWrite deleteLogoVerified(link::Line& line, int number) {
    // Whatever the slot answers that is not a logo (the one-byte answer) says it is empty.
    return confirm(line, number, deleteLogo(line, number),
                   [](const LogoSlot& back, ReadBackCheck&) {
                       return back.answer.kind != LogoAnswer::Kind::Logo;
                   });
}

QString logoUncheckedText(int number, bool deleted) {
    return (deleted ? QCoreApplication::translate("LogoOperations",
                                                  "Логотип #%1 удалён, но проверить это не "
                                                  "удалось: Маркиратор не ответил на чтение.")
                    : QCoreApplication::translate("LogoOperations",
                                                  "Логотип #%1 записан, но проверить его не "
                                                  "удалось: Маркиратор не ответил на чтение."))
        .arg(logoNumberDigits(number));
}

link::ExchangeResult readBitmap(link::Line& line) {
    link::Request request;
    request.command = bitmapRequest();
    request.wait = link::kBitmapWait;
    request.settleMs = kBitmapSettleMs;
    request.bufferSize = kBitmapBuffer;
    request.length = bitmapAnswerLength;
    return link::exchange(line, request);
}

} // namespace nimbrel::logos
