#include "logos/LogoEditor.h"
#include "logos/LogoFiles.h"

#include <cstddef>
#include <cstdint>

// BMP files as the open command reads them: any variant, at most 819 x 32.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = nimbrel::logos::decodeBmp(file);
    if (!read.ok())
        return 0;
    if (read.picture.isNull() || read.picture.width() > 819 || read.picture.height() > 32)
        __builtin_trap();
    static nimbrel::logos::LogoState logo;
    nimbrel::logos::showPicture(logo, read.picture);
    nimbrel::logos::encodeBmp(logo);
    return 0;
}
