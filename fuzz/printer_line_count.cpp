#include "printer/LineCount.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray reply(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (nimbrel::printer::lineCountDefault(reply).size() != 1)
        __builtin_trap();
    return 0;
}
