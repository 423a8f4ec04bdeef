#include "cli/MarkTransfer.h"

#include "marks/MarkOperations.h"

namespace nimbrel::cli {

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

int writeMarkVerified(Job& job, int mark, const QByteArray& block, int& row) {
    const marks::MarkWrite written = marks::writeMarkVerified(job.line(), mark, block);
    row = written.differingRow;
    return job.writeCheckCode(written, marks::markUncheckedText(mark));
}

} // namespace nimbrel::cli
