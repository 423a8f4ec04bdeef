#include "marks/MarkOperations.h"

#include "marks/MarkBlock.h"
#include "platform/ByteReader.h"

#include <QCoreApplication>

#include <algorithm>

namespace nimbrel::marks {

namespace {

constexpr int kMarkBufferSize = 2048;
constexpr int kFragmentBufferSize = 8192;
constexpr int kNumberedSettleMs = 200;
constexpr int kCommandPauseMs = 2;
constexpr int kPieceSize = 256;
constexpr int kPiecePauseMs = 30;
// 256 bytes take 27 ms at 115200 baud and 270 ms at 9600; far more means the line is gone.
constexpr int kOutputLimitMs = 2000;

} // namespace

bool MarkRead::empty() const {
    return isEmptyMark(block);
}

MarkRead readMark(link::Line& line, int mark) {
    link::Request request;
    request.command = readMarkCommand(mark);
    request.wait = mark == 0 ? link::kCurrentMarkWait : link::kMarkReadWait;
    // The empty slot's answer tells no length: a stored mark's gets a while to settle.
    request.settleMs = mark == 0 ? 0 : kNumberedSettleMs;
    request.bufferSize = kMarkBufferSize;
    request.length = [](const QByteArray& soFar) {
        return soFar.isEmpty() || soFar.at(0) == '\0' ? link::kLengthOpen : kMarkBlockSize;
    };
    const link::ExchangeResult r = link::exchange(line, request);
    return {r.error, r.ok() ? r.reply : QByteArray()};
}

link::ExchangeError writeMark(link::Line& line, int mark, const QByteArray& block) {
    link::Request request;
    request.command = writeMarkCommand(mark);
    request.drainPiecesMs = kOutputLimitMs;
    for (int at = 0; at < block.size(); at += kPieceSize)
        request.pieces.push_back(
            {block.mid(at, kPieceSize), at == 0 ? kCommandPauseMs : 0, kPiecePauseMs});
    return link::exchange(line, request).error;
}

MarkWrite writeMarkVerified(link::Line& line, int mark, const QByteArray& block) {
    MarkWrite out;
    if (const link::ExchangeError e = writeMark(line, mark, block);
        e != link::ExchangeError::None) {
        out.error = e;
        return out;
    }
    const MarkRead back = readMark(line, mark);
    if (!back.ok()) {
        out.outcome = link::WriteOutcome::Unanswered;
        out.error = back.error;
        return out;
    }
    out.differingRow = back.empty() ? 0 : firstDifferingRow(block, back.block);
    out.outcome =
        out.differingRow < 0 ? link::WriteOutcome::Confirmed : link::WriteOutcome::Differs;
    return out;
}

QString markUncheckedText(int mark) {
    return QCoreApplication::translate("MarkOperations",
                                       "Марка #%1 записана, но проверить её не удалось: "
                                       "Маркиратор не ответил на чтение.")
        .arg(markDigits(mark));
}

link::ExchangeResult readFragment(link::Line& line, int lineNumber, int fragment) {
    link::Request request;
    request.command = fragmentReadCommand(lineNumber, fragment);
    request.wait = link::kCommandWait;
    request.bufferSize = kFragmentBufferSize;
    // Type, font, a signed text length, then the text: at least the three header bytes.
    request.length = [](const QByteArray& soFar) {
        if (soFar.size() < 3)
            return 3;
        return 3 + std::max(0, static_cast<int>(platform::s8At(soFar, 2)));
    };
    return link::exchange(line, request);
}

link::ExchangeError writeFragment(link::Line& line, const FragmentEdit& edit) {
    link::Request request;
    request.command = fragmentWriteCommand(edit);
    request.drainCommandMs = kOutputLimitMs;
    return link::exchange(line, request).error;
}

} // namespace nimbrel::marks
