#include "marks/FragmentRecord.h"

#include <cstddef>
#include <cstdint>

// The fragment read's report on any reply, short ones included.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray reply(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString report = nimbrel::marks::fragmentReport(4, 8, reply);
    if (!report.startsWith(QStringLiteral("ФРАГМЕНТ #48:\r\n\n")))
        __builtin_trap();
    return 0;
}
