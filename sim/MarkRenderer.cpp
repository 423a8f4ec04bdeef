#include "MarkRenderer.h"

#include "DotFont.h"
#include "Ean13.h"
#include "LogoBlock.h"
#include "MarkBlock.h"

#include <algorithm>
#include <optional>

namespace nimbrel::sim {

namespace {

constexpr int kMaxScale = 4;
constexpr int kFontsPerScale = 4;

// One line or one fragment: columns with bit 0 at its own bottom.
struct Strip {
    std::vector<std::uint32_t> columns;
    int height = 0;

    bool empty() const { return columns.empty(); }
    void append(const Strip& more, int gap) {
        if (more.empty()) {
            return;
        }
        if (!empty()) {
            columns.insert(columns.end(), static_cast<std::size_t>(gap), 0);
        }
        columns.insert(columns.end(), more.columns.begin(), more.columns.end());
        height = std::max(height, more.height);
    }
};

int scaleOf(std::uint8_t font) {
    return std::min(kMaxScale, 1 + font / kFontsPerScale);
}

std::uint32_t rows(int from, int count) {
    return count >= kMaxBitmapHeight ? ~0u << from : ((1u << count) - 1) << from;
}

Strip renderText(const Bytes& text, int scale) {
    Strip strip{{}, kGlyphHeight * scale};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i > 0) {
            strip.columns.insert(strip.columns.end(), static_cast<std::size_t>(scale), 0);
        }
        for (std::uint8_t glyphColumn : glyphFor(text[i])) {
            std::uint32_t column = 0;
            for (int row = 0; row < kGlyphHeight; ++row) {
                if ((glyphColumn >> row & 1) != 0) {
                    column |= rows((kGlyphHeight - 1 - row) * scale, scale);
                }
            }
            strip.columns.insert(strip.columns.end(), static_cast<std::size_t>(scale), column);
        }
    }
    return strip;
}

Strip renderEan(const Bytes& text, int scale) {
    const auto modules = ean13Modules(text);
    if (!modules) {
        return {};
    }
    Strip strip{{}, kGlyphHeight * scale};
    for (bool dark : *modules) {
        strip.columns.push_back(dark ? rows(0, strip.height) : 0);
    }
    return strip;
}

std::optional<int> slotNamed(const Bytes& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    int slot = 0;
    std::size_t digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 3; ++i, ++digits) {
        slot = slot * 10 + (text[i] - '0');
    }
    if (digits == 0 || slot >= kLogoSlots) {
        return std::nullopt;
    }
    return slot;
}

Strip renderLogo(const Bytes& text, const PrinterState& state) {
    const auto slot = slotNamed(text);
    if (!slot) {
        return {};
    }
    const auto stored = state.logos.find(*slot);
    if (stored == state.logos.end()) {
        return {};
    }
    const auto logo = viewLogo(stored->second);
    if (!logo) {
        return {};
    }
    Strip strip{{}, std::min(kMaxBitmapHeight, logo->bytesPerColumn * 8)};
    for (int x = 0; x < logo->width; ++x) {
        std::uint32_t column = 0;
        for (int h = 0; h < strip.height; ++h) {
            column |= logo->dark(x, h) ? 1u << h : 0;
        }
        strip.columns.push_back(column);
    }
    return strip;
}

Strip renderFragment(const Fragment& fragment, const PrinterState& state) {
    switch (fragment.type) {
    case kTypeText:
    case kTypeNumber:
    case kTypeDateTime:
    case kTypePostDate:
        return renderText(fragment.text, scaleOf(fragment.font));
    case kTypeGraphics:
        return renderLogo(fragment.text, state);
    case kTypeEan:
        return renderEan(fragment.text, scaleOf(fragment.font));
    default:
        return {};
    }
}

} // namespace

MarkBitmap renderMark(const Bytes& markBlock, const PrinterState& state) {
    MarkBitmap bitmap;
    int bottom = 0;
    for (int line = 1; line <= kLines && bottom < kMaxBitmapHeight; ++line) {
        Strip strip;
        for (int fragment = 1; fragment <= kFragmentsPerLine; ++fragment) {
            strip.append(
                renderFragment(readFragment(markBlock, recordIndex(line, fragment)), state), 1);
        }
        if (strip.empty()) {
            continue;
        }
        if (bottom > 0) {
            ++bottom; // the light row between two lines
        }
        const std::size_t width = std::min<std::size_t>(strip.columns.size(), kMaxBitmapWidth);
        if (bitmap.columns.size() < width) {
            bitmap.columns.resize(width, 0);
        }
        for (std::size_t x = 0; x < width; ++x) {
            bitmap.columns[x] |= bottom < kMaxBitmapHeight ? strip.columns[x] << bottom : 0;
        }
        bottom += strip.height;
        bitmap.height = std::min(kMaxBitmapHeight, bottom);
    }
    return bitmap;
}

Bytes bitmapAnswer(const MarkBitmap& bitmap) {
    const int width = bitmap.width();
    Bytes out{static_cast<std::uint8_t>(width & 0xFF), static_cast<std::uint8_t>(width >> 8)};
    if (width == 0) {
        return out;
    }
    const int bytesPerColumn = std::max(1, (bitmap.height + 7) / 8);
    out.push_back(static_cast<std::uint8_t>(bytesPerColumn));
    for (std::uint32_t column : bitmap.columns) {
        for (int k = 0; k < bytesPerColumn; ++k) {
            out.push_back(static_cast<std::uint8_t>(column >> (8 * k)));
        }
    }
    return out;
}

} // namespace nimbrel::sim
