#include "logos/LogoEditor.h"
#include "platform/ByteReader.h"

#include <algorithm>
#include <vector>

namespace nimbrel::logos {

namespace {

constexpr int kClearedGridHeight = 320;

// Direct scan-line writes: the grid image is large and QPainter per box is slow.
void fill(QImage& image, QRect area, QRgb colour) {
    area = area.intersected(image.rect());
    if (area.isEmpty())
        return;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + area.left(), line + area.right() + 1, colour);
    }
}

void drawGridLines(QImage& grid, int verticalHeight) {
    for (int i = 0; i <= kMaxLogoHeight; ++i)
        fill(grid, QRect(0, i * kCellPitch, kGridImageWidth, 1), kGridLineColour);
    for (int i = 0; i <= kGridColumns; ++i)
        fill(grid, QRect(i * kCellPitch, 0, 1, verticalHeight), kGridLineColour);
}

QRect gridBox(int x, int y) {
    return QRect(kCellPitch * x + 1, kCellPitch * y + 1, kCellBox, kCellBox);
}

void dirtyAll(LogoState& logo) {
    logo.logoDirty = QRect(0, 0, std::max(kStripWidth, logo.logo.width()),
                           std::max(kStripHeight, logo.logo.height()));
    logo.gridDirty = logo.grid.rect();
}

// The logo image must hold the whole logo, whatever picture it held before.
void prepareLogoImage(LogoState& logo, int w) {
    const int width = std::max(kStripWidth, w);
    if (logo.logo.width() != width || logo.logo.height() != kStripHeight ||
        logo.logo.format() != QImage::Format_RGB32)
        logo.logo = QImage(width, kStripHeight, QImage::Format_RGB32);
}

bool darkAt(const LogoState& logo, int x, int y) {
    if (x < 0 || y < 0 || x >= logo.width || y >= logo.height || x >= logo.logo.width() ||
        y >= logo.logo.height())
        return false;
    return isDark(logo.logo.pixel(x, y));
}

} // namespace

LogoState::LogoState()
    : logo(kStripWidth, kStripHeight, QImage::Format_RGB32),
      grid(kGridImageWidth, kGridImageHeight, QImage::Format_RGB32) {
    // At start the background and the vertical lines cover the grid image's full height.
    grid.fill(kBackgroundColour);
    clearToSize(*this, width, height);
    drawGridLines(grid, kGridImageHeight);
    backup = logo;
}

void clearToSize(LogoState& logo, int w, int h) {
    prepareLogoImage(logo, w);
    logo.logo.fill(kBackgroundColour);
    fill(logo.logo, QRect(0, 0, w, h), kLightDotColour);

    fill(logo.grid, QRect(0, 0, kGridImageWidth, kClearedGridHeight), kBackgroundColour);
    fill(logo.grid, QRect(0, 0, kCellPitch * std::min(w, kGridColumns), kCellPitch * h),
         kLightCellColour);
    drawGridLines(logo.grid, kClearedGridHeight);
    dirtyAll(logo);
}

void clearEditingArea(LogoState& logo) {
    clearToSize(logo, logo.width, logo.height);
}

void makeBlankLogo(LogoState& logo, int w, int h) {
    logo.width = w;
    logo.height = h;
    logo.bytesPerColumn = bytesPerColumnFor(h);
    clearToSize(logo, w, h);
}

void drawDot(LogoState& logo, int x, int y, bool dark) {
    logo.logo.setPixel(x, y, dark ? kDarkColour : kLightDotColour);
    fill(logo.grid, gridBox(x, y), dark ? kDarkColour : kLightCellColour);
}

void resizeLogo(LogoState& logo, int w, int h) {
    if (w == logo.width && h == logo.height)
        return;
    const int oldW = logo.width;
    const int oldH = logo.height;
    std::vector<char> dark(static_cast<std::size_t>(oldW) * oldH);
    for (int y = 0; y < oldH; ++y)
        for (int x = 0; x < oldW; ++x)
            dark[static_cast<std::size_t>(y) * oldW + x] = darkAt(logo, x, y);

    clearToSize(logo, w, h);
    const int keptRows = std::min(oldH, h);
    for (int y = oldH - keptRows; y < oldH; ++y)
        for (int x = 0; x < std::min(oldW, w); ++x)
            if (dark[static_cast<std::size_t>(y) * oldW + x])
                drawDot(logo, x, y + (h - oldH), true);
    logo.width = w;
    logo.height = h;
    logo.bytesPerColumn = bytesPerColumnFor(h);
}

DotChange paintDot(LogoState& logo, int column, int row, bool dark) {
    DotChange change;
    if (column < 0 || row < 0 || column >= logo.width || row >= logo.height ||
        column >= kGridColumns || column >= logo.logo.width() || row >= logo.logo.height())
        return change;
    drawDot(logo, column, row, dark);
    change.painted = true;
    change.logoPixel = QRect(column, row, 1, 1);
    change.gridBox = gridBox(column, row);
    logo.logoDirty |= change.logoPixel;
    logo.gridDirty |= change.gridBox;
    return change;
}

void invertLogo(LogoState& logo) {
    for (int y = 0; y < logo.height; ++y)
        for (int x = 0; x < logo.width; ++x)
            drawDot(logo, x, y, !darkAt(logo, x, y));
    dirtyAll(logo);
}

int countActiveDrops(const LogoState& logo) {
    int count = 0;
    for (int y = 0; y < std::min(logo.height, logo.logo.height()); ++y)
        for (int x = 0; x < std::min(logo.width, logo.logo.width()); ++x)
            if ((logo.logo.pixel(x, y) & 0xFFFFFFu) == 0)
                ++count;
    return count;
}

void showPicture(LogoState& logo, const QImage& picture) {
    logo.backup = logo.logo;
    fill(logo.grid, QRect(0, 0, kGridImageWidth, kClearedGridHeight), kBackgroundColour);
    drawGridLines(logo.grid, kClearedGridHeight);
    logo.logo = picture.convertToFormat(QImage::Format_RGB32);
    logo.width = logo.logo.width();
    logo.height = logo.logo.height();
    logo.bytesPerColumn = bytesPerColumnFor(logo.height);
    logo.columnOffset = 0;
    logo.scrollHome = true;
    for (int y = 0; y < logo.height; ++y)
        for (int x = 0; x < std::min(logo.width, kGridColumns); ++x)
            fill(logo.grid, gridBox(x, y),
                 isDark(logo.logo.pixel(x, y)) ? kDarkColour : kLightCellColour);
    dirtyAll(logo);
}

QByteArray packColumns(const LogoState& logo, int first, int count, int bytesPerColumn,
                       int startRow) {
    QByteArray out(static_cast<qsizetype>(std::max(count, 0)) * bytesPerColumn, '\0');
    qsizetype at = 0;
    for (int x = first; x < first + count; ++x) {
        int y = startRow;
        for (int k = 0; k < bytesPerColumn; ++k, ++at) {
            int byte = 0;
            for (int b = 0; b < 8 && y >= 0; ++b, --y)
                if (darkAt(logo, x, y))
                    byte |= 1 << b;
            out[at] = static_cast<char>(byte);
        }
    }
    return out;
}

void unpackColumns(LogoState& logo, const QByteArray& columns, int width, int bytesPerColumn) {
    const int height = 8 * bytesPerColumn;
    makeBlankLogo(logo, width, height);
    qsizetype at = 0;
    for (int x = 0; x < width; ++x) {
        for (int k = 0; k < bytesPerColumn; ++k, ++at) {
            const int byte = platform::u8At(columns, at);
            if (byte == 0)
                continue;
            for (int b = 0; b < 8; ++b)
                if (byte & (1 << b))
                    drawDot(logo, x, height - 1 - 8 * k - b, true);
        }
    }
}

} // namespace nimbrel::logos
