#include "cli/MarkTransfer.h"

#include "marks/FragmentTypes.h"
#include "marks/MarkFile.h"
#include "marks/MarkOperations.h"

namespace nimbrel::cli {

marks::ReadForm readFormOf(int mark) {
    return mark == 0 ? marks::ReadForm::Current : marks::ReadForm::Numbered;
}

MarkRead readMarkCells(Job& job, int mark) {
    MarkRead out;
    // The exchange takes a mark whole or not at all.
    const marks::MarkRead r = marks::readMark(job.line(), mark);
    if (!r.ok()) {
        out.code = job.linkFailure(r.error);
        return out;
    }
    out.empty = r.empty();
    if (!out.empty)
        out.cells = marks::decodeMarkBlock(r.block, readFormOf(mark));
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
    const marks::MarkWrite written = marks::writeMarkVerified(job.line(), mark, block);
    row = written.differingRow;
    return job.writeCheckCode(written, marks::markUncheckedText(mark));
}

} // namespace nimbrel::cli
