#pragma once

#include "cli/Job.h"
#include "marks/MarkBlock.h"
#include "marks/MarkTable.h"

#include <array>

namespace nimbrel::cli {

using MarkCells = std::array<marks::FragmentCells, marks::kRows>;

// The form in which a mark is read: the one being printed shows unknown codes and wide fonts
// as numbers.
marks::ReadForm readFormOf(int mark);

// A mark read from the printer; `empty` for the printer's empty mark.
struct MarkRead {
    int code = kExitOk;
    bool empty = false;
    MarkCells cells;
};
MarkRead readMarkCells(Job& job, int mark);

// The .mrt file of the cells, exactly as the program saves it.
QByteArray markFileOf(const MarkCells& cells);

// A .mrt file as the block the program would send; `error` says why the file is refused.
struct EncodedMarkFile {
    QByteArray block;
    QString error;
};
EncodedMarkFile encodeMarkFile(const QByteArray& file);

// Writes the block and reads the mark back. kExitVerify with the first row that differs, in
// `row`, when what came back is not what was sent; a failed write, or a check read that got no
// answer, has been told.
int writeMarkVerified(Job& job, int mark, const QByteArray& block, int& row);

} // namespace nimbrel::cli
