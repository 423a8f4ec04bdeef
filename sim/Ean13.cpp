#include "Ean13.h"

#include <string_view>

namespace nimbrel::sim {

namespace {

// Seven modules per digit, most significant first: set A (odd parity) and set C (right half);
// set B is set C read backwards.
constexpr std::array<std::uint8_t, 10> kSetA{0x0D, 0x19, 0x13, 0x3D, 0x23,
                                             0x31, 0x2F, 0x3B, 0x37, 0x0B};
constexpr std::array<std::uint8_t, 10> kSetC{0x72, 0x66, 0x6C, 0x42, 0x5C,
                                             0x4E, 0x50, 0x44, 0x48, 0x74};
// Which of digits 2 to 7 use set B, by the first digit; "1" means set B.
constexpr std::array<std::string_view, 10> kFirstDigitSets{"000000", "001011", "001101", "001110",
                                                           "010011", "011001", "011100", "010101",
                                                           "010110", "011010"};

std::uint8_t reversed7(std::uint8_t bits) {
    std::uint8_t out = 0;
    for (int i = 0; i < 7; ++i) {
        out = static_cast<std::uint8_t>(out << 1 | (bits >> i & 1));
    }
    return out;
}

} // namespace

int ean13CheckDigit(const std::array<int, 12>& digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        sum += digits[i] * (i % 2 == 0 ? 1 : 3);
    }
    return (10 - sum % 10) % 10;
}

std::optional<std::array<bool, kEanModules>> ean13Modules(std::span<const std::uint8_t> text) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::array<int, 13> digits{};
    std::array<int, 12> payload{};
    for (std::size_t i = 0; i < payload.size(); ++i) {
        const std::uint8_t c = i < text.size() ? text[i] : '0';
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        payload[i] = digits[i] = c - '0';
    }
    digits[12] = ean13CheckDigit(payload);

    std::array<bool, kEanModules> modules{};
    std::size_t at = 0;
    auto put = [&](std::uint8_t bits, int count) {
        for (int i = count - 1; i >= 0; --i) {
            modules[at++] = (bits >> i & 1) != 0;
        }
    };
    put(0b101, 3);
    const std::string_view sets = kFirstDigitSets[static_cast<std::size_t>(digits[0])];
    for (std::size_t i = 1; i <= 6; ++i) {
        const auto d = static_cast<std::size_t>(digits[i]);
        put(sets[i - 1] == '1' ? reversed7(kSetC[d]) : kSetA[d], 7);
    }
    put(0b01010, 5);
    for (std::size_t i = 7; i <= 12; ++i) {
        put(kSetC[static_cast<std::size_t>(digits[i])], 7);
    }
    put(0b101, 3);
    return modules;
}

} // namespace nimbrel::sim
