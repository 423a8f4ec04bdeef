#include "printer/Version.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray reply(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (nimbrel::printer::isEmptyVersion(reply))
        return 0;
    if (nimbrel::printer::modelFromVersion(reply).size() > 4)
        __builtin_trap();
    nimbrel::printer::versionMessageText(reply);
    return 0;
}
