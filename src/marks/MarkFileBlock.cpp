#include "marks/MarkFileBlock.h"

#include "marks/MarkFile.h"

#include <QCoreApplication>
#include <QStringList>

namespace nimbrel::marks {

ReadForm readFormOf(int mark) {
    return mark == 0 ? ReadForm::Current : ReadForm::Numbered;
}

QByteArray markFileOf(const MarkCells& cells) {
    MarkTable table;
    for (int row = 0; row < kRows; ++row)
        table.setCells(row, cells[row]);
    return writeMarkFile(table);
}

EncodedMarkFile encodeMarkFile(const QByteArray& file) {
    EncodedMarkFile out;
    const ParsedMarkFile parsed = parseMarkFile(file);
    if (parsed.badLine || parsed.rows.empty()) {
        out.error =
            QCoreApplication::translate("MarkFileBlock", "ЭТО НЕ ФАЙЛ МАРКИ или ОШИБКА В ДАННЫХ!");
        return out;
    }
    MarkTable table;
    applyParsedRows(parsed, table);
    const EncodedMark encoded = encodeMarkBlock(table);
    if (!encoded.ok()) {
        QStringList rows;
        for (int row : encoded.tooLongRows)
            rows << table.cell(row, MarkTable::kLabel);
        out.error =
            QCoreApplication::translate(
                "MarkFileBlock", "Фрагмент # %1: текст длиннее 44 символов. Марка не записана.")
                .arg(rows.join(QStringLiteral(", ")));
        return out;
    }
    out.block = encoded.block;
    return out;
}

} // namespace nimbrel::marks
