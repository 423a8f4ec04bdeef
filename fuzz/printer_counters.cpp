#include "printer/Counters.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray reply(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // At most two characters per digit byte, plus the point.
    if (nimbrel::printer::counterText(reply, 1, 4, true).size() > 9)
        __builtin_trap();
    if (nimbrel::printer::counterText(reply, 1, 6, false).size() > 12)
        __builtin_trap();
    nimbrel::printer::workingHoursText(reply);
    nimbrel::printer::printedCountText(reply);
    return 0;
}
