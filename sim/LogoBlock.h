#pragma once

#include "PrinterState.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace nimbrel::sim {

// A logo is kept as its logo block: width X, bytes per column R, then X x R column bytes, each
// column from its bottom dot upward (bit 0 of its first byte is the lowest dot).
inline constexpr int kLogoSlots = 256;
inline constexpr int kWritableLogoSlots = 128;
inline constexpr std::size_t kLogoTransferSize = 256;
inline constexpr int kMaxLogoWidth = 254;
inline constexpr int kMaxBytesPerColumn = 4;

struct LogoView {
    int width = 0;
    int bytesPerColumn = 0;
    std::span<const std::uint8_t> columns;

    // Dot `height` dots above the bottom of column x.
    bool dark(int x, int height) const;
};

// A stored logo block seen as dots; nothing when it is not a well-formed block.
std::optional<LogoView> viewLogo(const Bytes& block);

// The block a write delivers: the stored form when its header is sound and its length matches
// the announced one. `announced` is the request's length byte.
std::optional<Bytes> acceptLogoBlock(std::uint8_t announced, std::span<const std::uint8_t> sent);

// An 8 x 8 frame, for slots that start out occupied.
Bytes placeholderLogo();

} // namespace nimbrel::sim
