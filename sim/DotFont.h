#pragma once

#include <array>
#include <cstdint>

namespace nimbrel::sim {

// The printer's own 5 x 7 dot-matrix characters. Column byte bit 0 is the TOP dot, bit 6 the
// bottom one. Windows-1251 Cyrillic prints in capitals; a character without a glyph prints as
// "?".
inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;

using Glyph = std::array<std::uint8_t, kGlyphWidth>;

const Glyph& glyphFor(std::uint8_t character);

} // namespace nimbrel::sim
