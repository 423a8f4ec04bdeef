#include "logos/LogoBlock.h"

#include <cstddef>
#include <cstdint>

// The printer's answer to the current-mark bitmap request, decoded only (no editor redraw).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray answer(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto a = nimbrel::logos::decodeBitmapAnswer(answer);
    if (a.empty)
        return 0;
    const auto& p = a.picture;
    if (p.width < 1 || p.width > 819 || p.bytesPerColumn < 1 || p.bytesPerColumn > 4 ||
        p.columns.size() != p.width * p.bytesPerColumn)
        __builtin_trap();
    return 0;
}
