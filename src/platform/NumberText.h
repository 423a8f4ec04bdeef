#pragma once

#include <QString>

namespace nimbrel::platform {

// The one conversion every typed whole number goes through: leading blanks and tabs are
// skipped, one "+" or "-" is allowed, then decimal digits ("$" hexadecimal, "%" binary) up to
// the first other character. No digits give 0. Saturates instead of overflowing.
long long parseWholeNumber(const QString& text);

} // namespace nimbrel::platform
