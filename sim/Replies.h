#pragma once

#include "Printer.h"

#include <optional>
#include <span>

// Shorthands shared by the files that make up the printer's protocol.
namespace nimbrel::sim::replies {

inline constexpr std::uint8_t kEnd = 0x0E;

inline bool isDigit(std::uint8_t b) {
    return b >= '0' && b <= '9';
}

// ASCII decimal digits, all of them; nothing when one is not a digit or there are none.
inline std::optional<int> digitsValue(std::span<const std::uint8_t> digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    int value = 0;
    for (std::uint8_t d : digits) {
        if (!isDigit(d)) {
            return std::nullopt;
        }
        value = value * 10 + (d - '0');
    }
    return value;
}

inline Response reply(Bytes bytes) {
    return Response{true, std::move(bytes), {}, {}};
}
inline Response accepted() {
    return Response{true, {}, {}, {}};
}
inline Response ignored(std::string why) {
    return Response{true, {}, std::move(why), {}};
}
inline Response notUnderstood() {
    return Response{false, {}, {}, {}};
}

} // namespace nimbrel::sim::replies
