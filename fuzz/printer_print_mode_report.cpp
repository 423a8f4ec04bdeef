#include "printer/PrintModeReport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray reply(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (int xpFlag : {0, 1}) {
        const QString text = nimbrel::printer::buildPrintModeReport(reply, xpFlag);
        if (text.count(QStringLiteral("\n\r")) != 8)
            __builtin_trap();
    }
    return 0;
}
