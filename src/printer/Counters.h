#pragma once

#include <QByteArray>
#include <QString>

namespace nimbrel::printer {

// The counters arrive as base-100 digits, one per byte, most significant first, starting at
// `firstByte`. Leading zero digits are left out, except the last pair, which is always two
// digits; with `tenths` a point stands inside that pair ("1234.5"). A digit byte above 99
// cannot be a base-100 digit and shows as "??" (or "?.?").
QString counterText(const QByteArray& reply, int firstByte, int digits, bool tenths);

// "  Маркиратор отработал 1234.5 часов. " from the working-hours reply.
QString workingHoursText(const QByteArray& reply);
// "  Маркиратор отпечатал 105 марок. " from the printed-count reply.
QString printedCountText(const QByteArray& reply);

} // namespace nimbrel::printer
