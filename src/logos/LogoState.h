#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace nimbrel::logos {

// The grid image has room for 819 columns of 10 pixels; a logo is at most 32 dots high.
inline constexpr int kGridImageWidth = 8192;
inline constexpr int kGridImageHeight = 330;
inline constexpr int kGridColumns = 819;
inline constexpr int kMaxLogoHeight = 32;
inline constexpr int kStripWidth = 780;
inline constexpr int kStripHeight = 32;
inline constexpr int kCellPitch = 10;
inline constexpr int kCellBox = 9;

inline constexpr QRgb kBackgroundColour = 0xFFE6E6F0u; // 230, 230, 240
inline constexpr QRgb kLightCellColour = 0xFFC8C8D2u;  // 200, 200, 210
inline constexpr QRgb kGridLineColour = 0xFFDCDCDCu;   // 220, 220, 220
inline constexpr QRgb kDarkColour = 0xFF000000u;
inline constexpr QRgb kLightDotColour = 0xFFFFFFFFu;

// A pixel is a dark dot when any of its components is below 170.
inline bool isDark(QRgb pixel) {
    return qRed(pixel) < 170 || qGreen(pixel) < 170 || qBlue(pixel) < 170;
}

// Which file the logo came from or went to last.
struct LogoFileState {
    QString name;   // full path of the logo's file, or the file a printer read made
    QString type;   // its extension without the dot
    QString chosen; // the path last returned by a file requester
};

// The logo in memory. The logo image is the store of record: every operation reads the dots
// from its pixels by the dark test and draws changes into both images.
struct LogoState {
    LogoState();

    int width = 64;
    int height = 24;
    int bytesPerColumn = 3;
    bool changed = false;
    // The editor shows the current mark's bitmap read from the printer and not yet saved:
    // something to save although nothing was drawn.
    bool bitmapRead = false;
    // First visible column of the grid: the editor's horizontal scroll position / 10.
    int columnOffset = 0;
    QPoint cursor;

    QImage logo;   // one pixel per dot, at least 780 x 32
    QImage grid;   // 8192 x 330, dot (x, y) is the 9 x 9 box at (10x + 1, 10y + 1)
    QImage backup; // the logo image as it was before a picture replaced it

    LogoFileState file;

    // What the views have not yet repainted; the views clear these.
    QRect logoDirty;
    QRect gridDirty;
    // The grid should be scrolled back to its left edge.
    bool scrollHome = false;
};

inline int bytesPerColumnFor(int height) {
    return (height + 7) / 8;
}

} // namespace nimbrel::logos
