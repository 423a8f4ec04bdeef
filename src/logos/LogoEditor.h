#pragma once

#include "logos/LogoState.h"

#include <QByteArray>

namespace nimbrel::logos {

// Blanks both images for a logo of w x h dots (the size itself is the caller's to set).
void clearToSize(LogoState& logo, int w, int h);
// Clears the logo at its current size.
void clearEditingArea(LogoState& logo);
// Makes a blank logo of w x h dots.
void makeBlankLogo(LogoState& logo, int w, int h);
// Changes the size keeping the dots that still fit: anchored at the left and at the bottom.
void resizeLogo(LogoState& logo, int w, int h);

struct DotChange {
    bool painted = false;
    QRect logoPixel; // empty when nothing changed
    QRect gridBox;
};
// Sets (dark) or clears one dot; positions outside the logo change nothing.
DotChange paintDot(LogoState& logo, int column, int row, bool dark);

// Dark dots become light and light ones dark.
void invertLogo(LogoState& logo);
// Pixels of the logo that are exactly black.
int countActiveDrops(const LogoState& logo);

// Makes a picture (at most 819 x 32) the logo, keeping its own colours in the logo image.
void showPicture(LogoState& logo, const QImage& picture);

// Column bytes of columns first .. first + count - 1: R bytes per column, the first holding
// startRow and the 7 rows above it with startRow in bit 0. Rows outside the logo are light.
QByteArray packColumns(const LogoState& logo, int first, int count, int bytesPerColumn,
                       int startRow);
// Makes the column bytes (X x R, missing bytes read as 0) the logo: X x 8R dots.
void unpackColumns(LogoState& logo, const QByteArray& columns, int width, int bytesPerColumn);

// One box of the grid image and one pixel of the logo image for dot (x, y).
void drawDot(LogoState& logo, int x, int y, bool dark);

} // namespace nimbrel::logos
