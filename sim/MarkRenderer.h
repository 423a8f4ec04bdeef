#pragma once

#include "PrinterState.h"

#include <cstdint>
#include <vector>

namespace nimbrel::sim {

inline constexpr int kMaxBitmapHeight = 32;
// As wide as the program's editor can show; a longer mark is cut at the right.
inline constexpr int kMaxBitmapWidth = 819;

// The mark as the print head would lay it down: one word per dot column, bit h being the dot h
// rows above the bottom.
struct MarkBitmap {
    std::vector<std::uint32_t> columns;
    int height = 0; // dots, at most 32

    int width() const { return static_cast<int>(columns.size()); }
    bool operator==(const MarkBitmap&) const = default;
};

// Lines are stacked from line 1 at the bottom upward, one light row apart; a line without
// anything to print takes no room. Within a line the fragments follow each other one light
// column apart, bottom-aligned:
// - texts, running numbers, dates and post-dates print their text in the 5 x 7 font, enlarged
//   by 1 + font / 4 (fonts 0-3: 7 dots high, ..., 12-15: 28 dots), one light column (times
//   the enlargement) between characters;
// - graphics print the logo in the slot their text names ("5" or "005"), 8R dots high;
// - EAN-13 prints its 95 modules as bars as high as the font's characters.
// Dots above row 32 and columns past 819 are cut off.
MarkBitmap renderMark(const Bytes& markBlock, const PrinterState& state);

// The bitmap answer: 16-bit width, bytes per column R, then the column bytes, bottom dots
// first. A mark with nothing to print answers with the two bytes of width 0.
Bytes bitmapAnswer(const MarkBitmap& bitmap);

} // namespace nimbrel::sim
