#pragma once

#include "PrinterState.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace nimbrel::sim {

// A mark travels and is stored as 32 fragment records of 48 bytes, fragment position first and
// line second: record (fragment - 1) * 4 + (line - 1).
inline constexpr std::size_t kMarkBlockSize = 1536;
inline constexpr std::size_t kRecordSize = 48;
inline constexpr std::size_t kRecordCount = 32;
inline constexpr std::size_t kMaxFragmentText = 44;
inline constexpr int kLines = 4;
inline constexpr int kFragmentsPerLine = 8;

inline constexpr std::uint8_t kTypeText = 0x18;
inline constexpr std::uint8_t kTypeNumber = 0x19;
inline constexpr std::uint8_t kTypeDateTime = 0x1A;
inline constexpr std::uint8_t kTypeGraphics = 0x1C;
inline constexpr std::uint8_t kTypePostDate = 0x1D;
inline constexpr std::uint8_t kTypeEan = 0x10;

struct Fragment {
    std::uint8_t type = 0;
    std::uint8_t font = 0;
    Bytes text; // Windows-1251, at most kMaxFragmentText bytes, no zero byte
    bool operator==(const Fragment&) const = default;
};

bool isFragmentType(std::uint8_t code);

// Line 1..4, fragment 1..8.
std::size_t recordIndex(int line, int fragment);

// The printer's reading of one record: the length byte is cut to 44 and the text ends at its
// first zero byte. Bytes past the end of `block` read as 0.
Fragment readFragment(std::span<const std::uint8_t> block, std::size_t record);
// Writes the record in place; the text must fit (at most 44 bytes).
void writeFragment(Bytes& block, std::size_t record, const Fragment& fragment);

// The block as the printer keeps it: every record read and written again, so nothing of a
// record's unused tail survives. A block shorter than 1536 bytes reads its missing bytes as 0.
Bytes normalizedMarkBlock(std::span<const std::uint8_t> block);

// What a fragment write finds in an empty slot 0: every record a text in font 2, empty.
Bytes blankMark();

// Stand-in for slots that start out occupied: "MARK nn" as the first fragment, font 0.
Bytes placeholderMark(int slot);

// The mark a fresh printer prints: "NIMBREL" as the first fragment of line 1.
Bytes demoMark();

} // namespace nimbrel::sim
