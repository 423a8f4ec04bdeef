#include "logos/LogoEditor.h"
#include "logos/LogoFiles.h"

#include <cstddef>
#include <cstdint>

// BIN and PBM files as the open command reads them, then into the editor.
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
    // One editor for the whole run: its grid image is large and made only once.
    static nimbrel::logos::LogoState logo;
    nimbrel::logos::unpackColumns(logo, p.columns, p.width, p.bytesPerColumn);
    if (nimbrel::logos::packColumns(logo, 0, p.width, p.bytesPerColumn, 8 * p.bytesPerColumn - 1) !=
        p.columns)
        __builtin_trap();
    return 0;
}
