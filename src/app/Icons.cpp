#include "app/Icons.h"

#include <QPainter>

namespace nimbrel::app {

namespace {

QPixmap drawLinkIcon(const QColor& fill, const std::function<void(QPainter&)>& mark) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    mark(p);
    return pm;
}

QIcon drawWindowIcon(const QColor& colour, const QString& letter,
                     std::initializer_list<int> sizes) {
    QIcon icon;
    for (int size : sizes) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(colour);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        QFont f(QStringLiteral("Liberation Sans"));
        f.setBold(true);
        f.setPixelSize(size * 2 / 3);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, letter);
        icon.addPixmap(pm);
    }
    return icon;
}

// Twelve 6 x 6 glyphs, one row of six bits each (bit 5 leftmost).
const unsigned char kGlyphRows[12][6] = {
    {0x0C, 0x1E, 0x3F, 0x0C, 0x0C, 0x0C}, // arrow up
    {0x0C, 0x0C, 0x0C, 0x3F, 0x1E, 0x0C}, // arrow down
    {0x08, 0x18, 0x3F, 0x3F, 0x18, 0x08}, // arrow left
    {0x04, 0x06, 0x3F, 0x3F, 0x06, 0x04}, // arrow right
    {0x3F, 0x21, 0x21, 0x21, 0x21, 0x3F}, // empty dot
    {0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F}, // full dot
    {0x21, 0x12, 0x0C, 0x0C, 0x12, 0x21}, // cross
    {0x0C, 0x0C, 0x3F, 0x3F, 0x0C, 0x0C}, // plus
    {0x00, 0x00, 0x3F, 0x3F, 0x00, 0x00}, // minus
    {0x1E, 0x21, 0x21, 0x21, 0x21, 0x1E}, // ring
    {0x2A, 0x15, 0x2A, 0x15, 0x2A, 0x15}, // grey
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, // blank
};

} // namespace

QPixmap linkIconPixmap(session::LinkIcon icon) {
    switch (icon) {
    case session::LinkIcon::Idle:
        return drawLinkIcon(QColor(150, 150, 150), [](QPainter& p) { p.drawLine(5, 8, 11, 8); });
    case session::LinkIcon::Ok:
        return drawLinkIcon(QColor(30, 160, 50), [](QPainter& p) {
            p.drawLine(4, 8, 7, 11);
            p.drawLine(7, 11, 12, 5);
        });
    case session::LinkIcon::Busy:
        return drawLinkIcon(QColor(230, 170, 0), [](QPainter& p) {
            p.drawPoint(5, 8);
            p.drawPoint(8, 8);
            p.drawPoint(11, 8);
        });
    case session::LinkIcon::Error:
        return drawLinkIcon(QColor(210, 30, 30), [](QPainter& p) {
            p.drawLine(5, 5, 11, 11);
            p.drawLine(11, 5, 5, 11);
        });
    }
    return {};
}

QIcon markWindowIcon() {
    return drawWindowIcon(QColor(40, 90, 170), QStringLiteral("T"), {48, 32, 24, 16});
}

QIcon graphicsWindowIcon() {
    return drawWindowIcon(QColor(150, 60, 150), QStringLiteral("G"), {32, 24, 20, 16});
}

QImage glyphStrip() {
    QImage strip(72, 6, QImage::Format_Mono);
    strip.setColor(0, qRgb(255, 255, 255));
    strip.setColor(1, qRgb(0, 0, 0));
    strip.fill(0);
    for (int g = 0; g < 12; ++g)
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x)
                if (kGlyphRows[g][y] & (0x20 >> x))
                    strip.setPixel(g * 6 + x, y, 1);
    return strip;
}

std::vector<QImage> cutGlyphs(const QImage& strip) {
    std::vector<QImage> glyphs;
    for (int x = 0; x + 6 <= strip.width() && glyphs.size() < 12; x += 6)
        glyphs.push_back(strip.copy(x, 0, 6, 6));
    return glyphs;
}

} // namespace nimbrel::app
