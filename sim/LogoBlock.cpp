#include "LogoBlock.h"

namespace nimbrel::sim {

bool LogoView::dark(int x, int height) const {
    if (x < 0 || x >= width || height < 0 || height >= bytesPerColumn * 8) {
        return false;
    }
    const std::uint8_t byte = columns[static_cast<std::size_t>(x * bytesPerColumn + height / 8)];
    return (byte >> (height % 8) & 1) != 0;
}

std::optional<LogoView> viewLogo(const Bytes& block) {
    if (block.size() < 2) {
        return std::nullopt;
    }
    const int width = block[0];
    const int bytesPerColumn = block[1];
    if (width < 1 || width > kMaxLogoWidth || bytesPerColumn < 1 ||
        bytesPerColumn > kMaxBytesPerColumn ||
        block.size() != static_cast<std::size_t>(width * bytesPerColumn + 2)) {
        return std::nullopt;
    }
    return LogoView{width, bytesPerColumn, std::span(block).subspan(2)};
}

std::optional<Bytes> acceptLogoBlock(std::uint8_t announced, std::span<const std::uint8_t> sent) {
    if (sent.size() < 2) {
        return std::nullopt;
    }
    const std::size_t length = static_cast<std::size_t>(sent[0]) * sent[1] + 2;
    if (length != announced || length > sent.size()) {
        return std::nullopt;
    }
    Bytes block(sent.begin(), sent.begin() + static_cast<std::ptrdiff_t>(length));
    if (!viewLogo(block)) {
        return std::nullopt;
    }
    return block;
}

Bytes placeholderLogo() {
    return {8, 1, 0xFF, 0x81, 0x81, 0x81, 0x81, 0x81, 0x81, 0xFF};
}

} // namespace nimbrel::sim
