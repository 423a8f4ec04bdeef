#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace nimbrel::sim {

inline constexpr int kEanModules = 95;

// The bars of an EAN-13 code, true for a dark module, left to right. The printer takes the
// first 12 digits of the text (a shorter text is filled with "0" on the right) and works out
// the check digit itself, whatever the 13th character says. Nothing for an empty text or a
// non-digit among the first 12 characters.
std::optional<std::array<bool, kEanModules>> ean13Modules(std::span<const std::uint8_t> text);

// The check digit of 12 digit values.
int ean13CheckDigit(const std::array<int, 12>& digits);

} // namespace nimbrel::sim
