#include "platform/NumberText.h"

#include <limits>

namespace nimbrel::platform {

namespace {

int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}

} // namespace

long long parseWholeNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;

    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    int base = 10;
    if (i < n && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i < n && text[i] == u'%') {
        base = 2;
        ++i;
    }

    // The magnitude is gathered unsigned so that the most negative value is reachable.
    using Magnitude = unsigned long long;
    const Magnitude limit = negative ? Magnitude(std::numeric_limits<long long>::max()) + 1
                                     : Magnitude(std::numeric_limits<long long>::max());
    Magnitude magnitude = 0;
    for (; i < n; ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0)
            break;
        if (magnitude > (limit - Magnitude(d)) / Magnitude(base)) {
            magnitude = limit;
            break;
        }
        magnitude = magnitude * Magnitude(base) + Magnitude(d);
    }

    if (!negative)
        return static_cast<long long>(magnitude);
    if (magnitude == limit)
        return std::numeric_limits<long long>::min();
    return -static_cast<long long>(magnitude);
}

std::optional<int> parseDigitsOnly(const QString& text) {
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return static_cast<int>(parseWholeNumber(text));
}

} // namespace nimbrel::platform
