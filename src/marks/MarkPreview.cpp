#include "marks/MarkPreview.h"

#include <QFontMetrics>
#include <QPainter>

#include <array>

namespace nimbrel::marks {

namespace {

// Line 1 lowest: the y of lines 1..4.
constexpr std::array<int, kLines> kLineY = {61, 41, 21, 1};
// 12 points on the 96 dpi screen the strip was laid out for; in pixels, so that the layout
// does not depend on the device drawn on.
constexpr int kFontPixels = 16;

const QColor kTextColour(0, 0, 255);
const QColor kBoxColour(239, 225, 250);

} // namespace

QFont previewFont() {
    QFont font(QStringLiteral("Arial Narrow"));
    font.setPixelSize(kFontPixels);
    font.setBold(true);
    return font;
}

std::vector<PreviewItem> previewLayout(const MarkTable& table, const QFontMetrics& metrics) {
    std::vector<PreviewItem> items;
    int x = 0;
    for (int fragment = 1; fragment <= kFragmentsPerLine; ++fragment) {
        int widest = 0;
        for (int line = 1; line <= kLines; ++line) {
            const int row = rowOf(line, fragment);
            const QString text = table.cell(row, MarkTable::kText);
            if (text.isEmpty())
                continue;
            const int width = metrics.horizontalAdvance(text);
            items.push_back({row, x, kLineY[line - 1], width});
            widest = std::max(widest, width);
        }
        x += widest;
    }
    return items;
}

QImage renderPreview(const MarkTable& table) {
    QImage image(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
    image.fill(Qt::white);

    QPainter painter(&image);
    painter.setFont(previewFont());
    painter.setPen(kTextColour);
    const QFontMetrics metrics(painter.font());
    for (const PreviewItem& item : previewLayout(table, metrics)) {
        if (item.x >= kPreviewWidth)
            break;
        const QRect box(item.x, item.y, item.width, metrics.height());
        painter.fillRect(box, kBoxColour);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         table.cell(item.row, MarkTable::kText));
    }
    return image;
}

} // namespace nimbrel::marks
