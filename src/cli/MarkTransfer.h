#pragma once

#include "cli/Job.h"
#include "marks/MarkFileBlock.h"
#include "marks/MarkTable.h"

namespace nimbrel::cli {

using marks::EncodedMarkFile;
using marks::encodeMarkFile;
using marks::MarkCells;
using marks::markFileOf;
using marks::readFormOf;

// A mark read from the printer; `empty` for the printer's empty mark.
struct MarkRead {
    int code = kExitOk;
    bool empty = false;
    MarkCells cells;
};
MarkRead readMarkCells(Job& job, int mark);

// Writes the block and reads the mark back. kExitVerify with the first row that differs, in
// `row`, when what came back is not what was sent; a failed write, or a check read that got no
// answer, has been told.
int writeMarkVerified(Job& job, int mark, const QByteArray& block, int& row);

} // namespace nimbrel::cli
