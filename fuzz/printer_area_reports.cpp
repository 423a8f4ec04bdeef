#include "printer/AreaReports.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray reply(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (nimbrel::printer::buildMarkAreaReport(reply, size % 2).count(QStringLiteral("\n\r")) != 9)
        __builtin_trap();
    if (nimbrel::printer::buildLogoAreaReport(reply).count(QStringLiteral("\n\r")) != 16)
        __builtin_trap();
    return 0;
}
