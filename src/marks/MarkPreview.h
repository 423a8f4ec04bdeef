#pragma once

#include "marks/MarkTable.h"

#include <QFont>
#include <QImage>
#include <vector>

class QFontMetrics;

namespace nimbrel::marks {

// The preview strip: the fragment texts laid out as the four print lines, line 1 lowest.
inline constexpr int kPreviewWidth = 8192;
inline constexpr int kPreviewHeight = 80;

// "Arial Narrow", 12 point, bold (16 pixels).
QFont previewFont();

struct PreviewItem {
    int row;
    int x;
    int y;
    int width;
};

// Where each non-empty text goes: positions 1..8 side by side, each as wide as its widest
// text; lines 4, 3, 2, 1 at y = 1, 21, 41, 61.
std::vector<PreviewItem> previewLayout(const MarkTable& table, const QFontMetrics& metrics);

// The strip drawn afresh: white, each text blue on its own lilac box.
QImage renderPreview(const MarkTable& table);

} // namespace nimbrel::marks
