#include "platform/NumberText.h"

#include <cstddef>
#include <cstdint>

// Every typed whole number: never overflows, and a leading blank or tab changes nothing.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const long long n = nimbrel::platform::parseWholeNumber(text);
    if (nimbrel::platform::parseWholeNumber(QStringLiteral(" \t") + text) != n)
        __builtin_trap();
    const long long negated = nimbrel::platform::parseWholeNumber(QStringLiteral("-") + text);
    // A second sign is not a number; otherwise "-x" is the negative of "x" (saturating).
    if (!text.startsWith(QLatin1Char('-')) && !text.startsWith(QLatin1Char('+')) &&
        !text.startsWith(QLatin1Char(' ')) && !text.startsWith(QLatin1Char('\t')) && n > 0 &&
        negated != -n && negated != -n - 1)
        __builtin_trap();
    return 0;
}
