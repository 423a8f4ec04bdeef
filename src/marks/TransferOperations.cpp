#include "marks/MarkOperations.h"

#include "link/Transaction.h"
#include "marks/LinkSteps.h"
#include "marks/MarkBlock.h"
#include "platform/NumberText.h"

#include <optional>

namespace nimbrel::marks {

namespace {

constexpr int kHighestMark = 85;
constexpr int kReplyBufferSize = 2048;
constexpr int kNumberedSettleMs = 200;
constexpr int kCommandPauseMs = 2;
constexpr int kPieceSize = 256;
constexpr int kPiecePauseMs = 30;

struct MarkNumber {
    int number;
    QString typed;
};

// Asks until the answer is 0..85. An empty answer (Esc, close box) ends the command: read
// as 0 it would fetch, or overwrite, the mark being printed.
std::optional<MarkNumber> askMarkNumber(link::Context& ctx, const QString& title) {
    for (;;) {
        const QString typed = ctx.dialogs.requester(
            title, QStringLiteral("Введите Номер Марки: 0..85  ( 0- печатаемая марка )"),
            QStringLiteral("0"));
        if (typed.trimmed().isEmpty())
            return std::nullopt;
        const long long n = platform::parseWholeNumber(typed);
        if (n >= 0 && n <= kHighestMark)
            return MarkNumber{static_cast<int>(n), typed};
        const int again = ctx.dialogs.message(
            errorTitle(), QStringLiteral("Недопустимый Номер Марки. Повторить ввод?"),
            platform::kErrorQuestion);
        if (again != platform::kYes)
            return std::nullopt;
    }
}

// Sends the read command and takes the reply; an empty QByteArray after a failure, which
// has then been reported.
QByteArray fetchMark(link::Context& ctx, int mark, const link::WaitParams& wait, int settleMs) {
    QByteArray reply;
    {
        link::TalkingScope talking(ctx.shell);
        setMarkLinkIcon(ctx, link::LinkIcon::Busy);
        int waiting = 0;
        if (link::sendCommand(ctx, readMarkCommand(mark)))
            waiting = link::waitForReply(ctx.port, ctx.clock, wait);
        if (waiting > 0) {
            ctx.conn.linkError = 0;
            if (settleMs > 0)
                ctx.clock.sleepMs(settleMs);
            reply = link::readReply(ctx, ctx.port.bytesWaitingInput(), kReplyBufferSize);
            setMarkLinkIcon(ctx, link::LinkIcon::Ok);
        }
    }
    if (reply.isEmpty())
        link::reportReadError(ctx);
    return reply;
}

void readMark(link::Context& ctx, MarkState& state, int mark, ReadForm form,
              const link::WaitParams& wait, int settleMs) {
    const QByteArray reply = fetchMark(ctx, mark, wait, settleMs);
    if (reply.isEmpty())
        return;
    if (isEmptyMark(reply)) {
        ctx.dialogs.message(QStringLiteral("МАРКА #") + markDigits(mark),
                            QStringLiteral("    ПУСТАЯ МАРКА!      "), platform::kError);
        return;
    }
    const auto rows = decodeMarkBlock(reply, form);
    for (int row = 0; row < kRows; ++row)
        state.table.setCells(row, rows[row]);
    state.selectedRow = 0;
    redrawPreview(state);
    ctx.shell.enable({14}, true);
}

QString tooLongText(const MarkTable& table, const std::vector<int>& rows) {
    QString text;
    for (int row : rows)
        text += QStringLiteral("Фрагмент # ") + table.cell(row, MarkTable::kLabel) +
                QStringLiteral(": текст длиннее 44 символов.\n\r");
    return text + QStringLiteral("Марка не записана.");
}

bool sendBlock(link::Context& ctx, int mark, const QByteArray& block) {
    link::TalkingScope talking(ctx.shell);
    setMarkLinkIcon(ctx, link::LinkIcon::Busy);
    if (!link::sendCommand(ctx, writeMarkCommand(mark)))
        return false;
    ctx.clock.sleepMs(kCommandPauseMs);
    // The printer takes the block at line speed without flow control: one piece at a time,
    // each sent out in full and followed by a pause.
    for (int at = 0; at < block.size(); at += kPieceSize) {
        if (!ctx.port.write(block.mid(at, kPieceSize)) || !waitForOutputSent(ctx))
            return false;
        ctx.clock.sleepMs(kPiecePauseMs);
    }
    return true;
}

} // namespace

void readCurrentMark(link::Context& ctx, MarkState& state) {
    readMark(ctx, state, 0, ReadForm::Current, link::kCurrentMarkWait, 0);
}

void readNumberedMark(link::Context& ctx, MarkState& state) {
    const auto mark = askMarkNumber(ctx, QStringLiteral("Чтение Текстовой Марки из Маркиратора"));
    if (mark)
        readMark(ctx, state, mark->number, ReadForm::Numbered, link::kMarkReadWait,
                 kNumberedSettleMs);
}

void writeMark(link::Context& ctx, MarkState& state) {
    const EncodedMark encoded = encodeMarkBlock(state.table);
    if (!encoded.ok()) {
        ctx.dialogs.message(errorTitle(), tooLongText(state.table, encoded.tooLongRows),
                            platform::kError);
        return;
    }
    const auto mark = askMarkNumber(ctx, QStringLiteral("ЗАПИСЬ В МАРКИРАТОР"));
    if (!mark)
        return;
    if (!sendBlock(ctx, mark->number, encoded.block)) {
        reportWriteError(ctx);
        return;
    }
    ctx.conn.linkError = 0;
    setMarkLinkIcon(ctx, link::LinkIcon::Ok);
    ctx.dialogs.message(QString(),
                        QStringLiteral("Запись Марки #") + mark->typed +
                            QStringLiteral(" успешно завершена."),
                        platform::kInformation);
}

} // namespace nimbrel::marks
