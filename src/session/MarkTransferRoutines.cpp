#include "session/MarkRoutines.h"

#include "marks/MarkBlock.h"
#include "marks/MarkOperations.h"
#include "platform/NumberText.h"
#include "session/MarkLinkSteps.h"
#include "session/Talk.h"

#include <QCoreApplication>
#include <optional>

namespace nimbrel::session {

using namespace marks;

namespace {

constexpr int kHighestMark = 85;

struct MarkNumber {
    int number;
    QString typed;
};

// Asks until the answer is 0..85. An empty answer (Esc, close box) ends the command: read
// as 0 it would fetch, or overwrite, the mark being printed.
std::optional<MarkNumber> askMarkNumber(Context& ctx, const QString& title) {
    for (;;) {
        const QString typed = ctx.dialogs.requester(
            title,
            QCoreApplication::translate("MarkTransferRoutines",
                                        "Введите Номер Марки: 0..85  ( 0- печатаемая марка )"),
            QStringLiteral("0"));
        if (typed.trimmed().isEmpty())
            return std::nullopt;
        const long long n = platform::parseWholeNumber(typed);
        if (n >= 0 && n <= kHighestMark)
            return MarkNumber{static_cast<int>(n), typed};
        const int again = ctx.dialogs.message(
            errorTitle(),
            QCoreApplication::translate("MarkTransferRoutines",
                                        "Недопустимый Номер Марки. Повторить ввод?"),
            platform::kErrorQuestion);
        if (again != platform::kYes)
            return std::nullopt;
    }
}

// Sends the read command and takes the reply; a failure has been reported when it returns.
marks::MarkRead fetchMark(Context& ctx, int mark) {
    marks::MarkRead result;
    {
        TalkingScope talking(ctx.shell);
        setMarkLinkIcon(ctx, LinkIcon::Busy);
        link::Line line = ctx.line();
        result = marks::readMark(line, mark);
        if (result.ok()) {
            ctx.conn.setLinkResult(true);
            setMarkLinkIcon(ctx, LinkIcon::Ok);
        }
    }
    if (!result.ok())
        reportReadError(ctx);
    return result;
}

void readMark(Context& ctx, MarkState& state, int mark, ReadForm form) {
    const marks::MarkRead read = fetchMark(ctx, mark);
    if (!read.ok())
        return;
    if (read.empty()) {
        ctx.dialogs.message(
            QCoreApplication::translate("MarkTransferRoutines", "МАРКА #%1").arg(markDigits(mark)),
            QCoreApplication::translate("MarkTransferRoutines", "    ПУСТАЯ МАРКА!      "),
            platform::kError);
        return;
    }
    const auto rows = decodeMarkBlock(read.block, form);
    for (int row = 0; row < kRows; ++row)
        state.table.setCells(row, rows[row]);
    // The editor shows the selected row as it now is, never a row of the mark before.
    loadRowIntoEditor(state, 0);
    redrawPreview(state);
    ctx.shell.enable(CommandId::SaveMarkAs, true);
    // The table no longer holds the file the status bar named.
    state.fromPrinter = true;
    ctx.shell.showMarkStatus([digits = markDigits(mark)] {
        return QCoreApplication::translate("MarkTransferRoutines", "Марка #%1 (маркиратор)")
            .arg(digits);
    });
    ctx.shell.notify();
}

QString notConfirmedText(const MarkNumber& mark, const QString& label) {
    return QCoreApplication::translate("MarkTransferRoutines",
                                       "Запись Марки #%1 не подтверждена:\n\rфрагмент # %2 в "
                                       "Маркираторе отличается от записанного.")
        .arg(mark.typed, label);
}

QString tooLongText(const MarkTable& table, const std::vector<int>& rows) {
    QString text;
    for (int row : rows)
        text += QCoreApplication::translate("MarkTransferRoutines",
                                            "Фрагмент # %1: текст длиннее 44 символов.\n\r")
                    .arg(table.cell(row, MarkTable::kLabel));
    return text + QCoreApplication::translate("MarkTransferRoutines", "Марка не записана.");
}

} // namespace

void readCurrentMark(Context& ctx, MarkState& state) {
    readMark(ctx, state, 0, ReadForm::Current);
}

void readNumberedMark(Context& ctx, MarkState& state) {
    const auto mark =
        askMarkNumber(ctx, QCoreApplication::translate("MarkTransferRoutines",
                                                       "Чтение Текстовой Марки из Маркиратора"));
    if (mark)
        readMark(ctx, state, mark->number, ReadForm::Numbered);
}

void writeMark(Context& ctx, MarkState& state) {
    const EncodedMark encoded = encodeMarkBlock(state.table);
    if (!encoded.ok()) {
        ctx.dialogs.message(errorTitle(), tooLongText(state.table, encoded.tooLongRows),
                            platform::kError);
        return;
    }
    const auto mark = askMarkNumber(
        ctx, QCoreApplication::translate("MarkTransferRoutines", "ЗАПИСЬ В МАРКИРАТОР"));
    if (!mark)
        return;
    marks::MarkWrite written;
    {
        TalkingScope talking(ctx.shell);
        setMarkLinkIcon(ctx, LinkIcon::Busy);
        link::Line line = ctx.line();
        // A printer that is off or unplugged takes the bytes without a word: only reading
        // the mark back tells that it arrived.
        written = marks::writeMarkVerified(line, mark->number, encoded.block);
    }
    switch (written.outcome) {
    case link::WriteOutcome::NotSent:
        reportMarkWriteError(ctx);
        return;
    case link::WriteOutcome::Unanswered:
        ctx.conn.setLinkResult(false);
        ctx.shell.setLinkIcon(LinkIcon::Error);
        ctx.dialogs.message(errorTitle(), markUncheckedText(mark->number), platform::kError);
        return;
    case link::WriteOutcome::Differs:
        ctx.conn.setLinkResult(true);
        setMarkLinkIcon(ctx, LinkIcon::Ok);
        ctx.dialogs.message(
            errorTitle(),
            notConfirmedText(*mark, state.table.cell(written.differingRow, MarkTable::kLabel)),
            platform::kError);
        return;
    case link::WriteOutcome::Confirmed:
        break;
    }
    ctx.conn.setLinkResult(true);
    setMarkLinkIcon(ctx, LinkIcon::Ok);
    ctx.dialogs.message(
        QString(),
        QCoreApplication::translate("MarkTransferRoutines", "Запись Марки #%1 успешно завершена.")
            .arg(mark->typed),
        platform::kInformation);
}

} // namespace nimbrel::session
