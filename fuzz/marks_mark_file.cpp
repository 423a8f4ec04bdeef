#include "marks/MarkFile.h"

#include <cstddef>
#include <cstdint>

// The .mrt loader on any bytes: at most 32 rows, each with a two-digit position label, and
// what it loads is written back and loaded again to the same cells.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbrel::marks;
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ParsedMarkFile parsed = parseMarkFile(file);
    if (parsed.rows.size() > static_cast<std::size_t>(kRows))
        __builtin_trap();
    for (const auto& [label, cells] : parsed.rows) {
        if (label.size() != 2 || cells.free != freeCountText(cells.text.size()))
            __builtin_trap();
    }
    MarkTable table;
    applyParsedRows(parsed, table);
    MarkTable again;
    applyParsedRows(parseMarkFile(writeMarkFile(table)), again);
    for (int row = 0; row < static_cast<int>(parsed.rows.size()); ++row) {
        // The writer replaces line-breaking bytes, and "#02" fonts go back as "02".
        if (again.cell(row, MarkTable::kType) != table.cell(row, MarkTable::kType) ||
            fontNumber(again.cell(row, MarkTable::kFont)) !=
                fontNumber(table.cell(row, MarkTable::kFont)))
            __builtin_trap();
    }
    return 0;
}
