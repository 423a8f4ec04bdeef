#include "logos/LogoFiles.h"

#include <cstddef>
#include <cstdint>

// BIN and PBM files as the open command reads them. Only the decoder and the BIN writer run:
// the editor's grid is not redrawn, so each input costs microseconds, not milliseconds.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const bool bin = data[0] & 1;
    const QByteArray file(reinterpret_cast<const char*>(data + 1),
                          static_cast<qsizetype>(size - 1));
    const auto decoded = nimbrel::logos::decodeBinPbm(file, bin);
    if (!decoded.ok())
        return 0;
    const auto& p = decoded.picture;
    if (p.width < 1 || p.width > 819 || p.bytesPerColumn < 1 || p.bytesPerColumn > 4 ||
        p.columns.size() != p.width * p.bytesPerColumn)
        __builtin_trap();
    // What was read, written as BIN, reads back to the same columns (widths past 255 do not
    // fit the BIN's width byte).
    if (p.width <= 255) {
        const QByteArray again = nimbrel::logos::encodeBinFile(
            p.width * p.bytesPerColumn + 4, p.width, p.bytesPerColumn, p.columns);
        const auto reread = nimbrel::logos::decodeBinPbm(again, true);
        if (!reread.ok() || reread.picture.columns != p.columns)
            __builtin_trap();
    }
    return 0;
}
