#include "logos/LogoBlock.h"
#include "logos/LogoFiles.h"

#include <cstddef>
#include <cstdint>

// The printer's answer to a logo read, as the read command takes it, and the file it saves.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray answer(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto a = nimbrel::logos::decodeLogoAnswer(answer);
    if (a.kind != nimbrel::logos::LogoAnswer::Kind::Logo)
        return 0;
    if (a.width < 1 || a.width > 254 || a.bytesPerColumn < 1 || a.bytesPerColumn > 4 ||
        a.columns.size() != a.width * a.bytesPerColumn)
        __builtin_trap();
    const QByteArray file = nimbrel::logos::logoAnswerFile(a);
    const auto reread = nimbrel::logos::decodeBinPbm(file, true);
    if (!reread.ok() || reread.picture.columns != a.columns)
        __builtin_trap();
    return 0;
}
