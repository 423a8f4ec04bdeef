#pragma once

#include <QString>

#include <optional>

namespace nimbrel::platform {

// The one conversion every typed whole number goes through: leading blanks and tabs are
// skipped, one "+" or "-" is allowed, then decimal digits ("$" hexadecimal, "%" binary) up to
// the first other character. No digits give 0. Saturates instead of overflowing.
long long parseWholeNumber(const QString& text);

// The same for text that must be a decimal number and nothing else (a setting's value, a
// process or terminal number): one to nine digits, no sign, no blanks; otherwise nothing.
std::optional<int> parseDigitsOnly(const QString& text);

} // namespace nimbrel::platform
