#include "cli/MarkTransfer.h"

#include "marks/FragmentTypes.h"
#include "marks/MarkFile.h"
#include "marks/MarkOperations.h"

namespace nimbrel::cli {

namespace {

constexpr int kMarkBufferSize = 2048;

bool sameCells(const marks::FragmentCells& a, const marks::FragmentCells& b) {
    return a.type == b.type && a.font == b.font && a.text == b.text;
}

} // namespace

marks::ReadForm readFormOf(int mark) {
    return mark == 0 ? marks::ReadForm::Current : marks::ReadForm::Numbered;
}

MarkRead readMarkCells(Job& job, int mark) {
    MarkRead out;
    // A whole mark is the block; the empty mark is one zero byte.
    const link::ExchangeResult r = readWhole(
        job,
        [&] {
            link::ExchangeResult one = marks::readMark(job.line(), mark);
            if (one.ok() && marks::isEmptyMark(one.reply))
                one.reply = one.reply.left(1).leftJustified(marks::kMarkBlockSize, '\0');
            return one;
        },
        marks::kMarkBlockSize);
    if (!r.ok()) {
        out.code = job.linkFailure(r.error);
        return out;
    }
    const QByteArray reply = link::zeroFilled(r.reply, kMarkBufferSize);
    out.empty = marks::isEmptyMark(reply);
    if (!out.empty)
        out.cells = marks::decodeMarkBlock(reply, readFormOf(mark));
    return out;
}

QByteArray markFileOf(const MarkCells& cells) {
    marks::MarkTable table;
    for (int row = 0; row < marks::kRows; ++row)
        table.setCells(row, cells[row]);
    return marks::writeMarkFile(table);
}

EncodedMarkFile encodeMarkFile(const QByteArray& file) {
    EncodedMarkFile out;
    const marks::ParsedMarkFile parsed = marks::parseMarkFile(file);
    if (parsed.badLine || parsed.rows.empty()) {
        out.error = QStringLiteral("ЭТО НЕ ФАЙЛ МАРКИ или ОШИБКА В ДАННЫХ!");
        return out;
    }
    marks::MarkTable table;
    marks::applyParsedRows(parsed, table);
    const marks::EncodedMark encoded = marks::encodeMarkBlock(table);
    if (!encoded.ok()) {
        QStringList rows;
        for (int row : encoded.tooLongRows)
            rows << table.cell(row, marks::MarkTable::kLabel);
        out.error = QStringLiteral("Фрагмент # ") + rows.join(QStringLiteral(", ")) +
                    QStringLiteral(": текст длиннее 44 символов. Марка не записана.");
        return out;
    }
    out.block = encoded.block;
    return out;
}

int writeMarkVerified(Job& job, int mark, const QByteArray& block, int& row) {
    if (const link::ExchangeError e = marks::writeMark(job.line(), mark, block);
        e != link::ExchangeError::None)
        return job.linkFailure(e);
    const MarkRead back = readMarkCells(job, mark);
    if (back.code != kExitOk)
        return back.code;
    const MarkCells sent = marks::decodeMarkBlock(block, readFormOf(mark));
    for (row = 0; row < marks::kRows; ++row)
        if (back.empty || !sameCells(sent[row], back.cells[row]))
            return kExitVerify;
    row = -1;
    return kExitOk;
}

} // namespace nimbrel::cli
