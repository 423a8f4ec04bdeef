#include "logos/LogoFiles.h"

#include <cstddef>
#include <cstdint>

// BMP files as the open command reads them: any variant, at most 819 x 32. The picture is
// written back as BMP and read again, without the editor's grid.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = nimbrel::logos::decodeBmp(file);
    if (!read.ok())
        return 0;
    if (read.picture.isNull() || read.picture.width() > 819 || read.picture.height() > 32)
        __builtin_trap();
    const auto again = nimbrel::logos::decodeBmp(nimbrel::logos::encodeBmp(read.picture));
    if (!again.ok() || again.picture.size() != read.picture.size())
        __builtin_trap();
    return 0;
}
