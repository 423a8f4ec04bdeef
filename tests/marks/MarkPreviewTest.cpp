#include "marks/MarkPreview.h"
#include "MarksTestSupport.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace nimbrel::testing {
namespace {

using marks::MarkTable;

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBox = qRgb(239, 225, 250);
const QRgb kBlue = qRgb(0, 0, 255);

int advance(const QString& text) {
    return QFontMetrics(marks::previewFont()).horizontalAdvance(text);
}

TEST(MarkPreview, FontIsArialNarrowBoldOrItsTwin) {
    const QFont font = marks::previewFont();
    EXPECT_EQ(font.family(), "Arial Narrow");
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pixelSize(), 16);
    const QString family = QFontInfo(font).family();
    EXPECT_TRUE(family == "Arial Narrow" || family == "Liberation Sans Narrow")
        << family.toStdString();
}

TEST(MarkPreview, EmptyTableIsWhite) {
    MarkTable table;
    const QImage image = marks::renderPreview(table);
    ASSERT_EQ(image.size(), QSize(8192, 80));
    EXPECT_TRUE(marks::previewLayout(table, QFontMetrics(marks::previewFont())).empty());
    for (int y = 0; y < 80; y += 7)
        for (int x = 0; x < 8192; x += 97)
            ASSERT_EQ(image.pixel(x, y), kWhite) << x << "," << y;
}

TEST(MarkPreview, LineOneLowestLineFourHighest) {
    MarkTable table;
    table.setFragment(marks::rowOf(1, 1), u(u"Текст"), " 02", "ABC");
    table.setFragment(marks::rowOf(4, 2), u(u"Текст"), " 02", "XY");
    const auto items = marks::previewLayout(table, QFontMetrics(marks::previewFont()));
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].row, 0);
    EXPECT_EQ(items[0].x, 0);
    EXPECT_EQ(items[0].y, 61);
    EXPECT_EQ(items[1].row, 25);
    EXPECT_EQ(items[1].x, advance("ABC"));
    EXPECT_EQ(items[1].y, 1);
    EXPECT_EQ(items[1].width, advance("XY"));
}

// Each position is as wide as its widest text; empty positions take no room.
TEST(MarkPreview, PositionsFollowWithoutGaps) {
    MarkTable table;
    table.setFragment(marks::rowOf(2, 1), u(u"Текст"), " 02", "W");
    table.setFragment(marks::rowOf(3, 1), u(u"Текст"), " 02", "WWWWW");
    table.setFragment(marks::rowOf(1, 3), u(u"Текст"), " 02", u(u"Дата"));
    table.setFragment(marks::rowOf(2, 8), u(u"Текст"), " 02", "Z");
    const auto items = marks::previewLayout(table, QFontMetrics(marks::previewFont()));
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].y, 41);
    EXPECT_EQ(items[1].y, 21);
    EXPECT_EQ(items[0].x, 0);
    EXPECT_EQ(items[1].x, 0);
    EXPECT_EQ(items[2].x, advance("WWWWW"));
    EXPECT_EQ(items[2].y, 61);
    EXPECT_EQ(items[3].x, advance("WWWWW") + advance(u(u"Дата")));
    EXPECT_EQ(items[3].y, 41);
}

TEST(MarkPreview, TextBlueOnItsOwnBox) {
    MarkTable table;
    table.setFragment(marks::rowOf(1, 1), u(u"Текст"), " 02", "HH");
    table.setFragment(marks::rowOf(4, 1), u(u"Текст"), " 02", "I");
    const QImage image = marks::renderPreview(table);
    const int width = advance("HH");
    const int height = QFontMetrics(marks::previewFont()).height();
    int blue = 0;
    int box = 0;
    for (int y = 61; y < 61 + height; ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb p = image.pixel(x, y);
            blue += p == kBlue;
            box += p == kBox;
            EXPECT_NE(p, kWhite) << x << "," << y;
        }
    EXPECT_GT(blue, 10);
    EXPECT_GT(box, blue);
    // Outside the boxes the strip stays white: right of "HH", above line 1, below it.
    EXPECT_EQ(image.pixel(width + 1, 70), kWhite);
    EXPECT_EQ(image.pixel(advance("I") + 1, 5), kWhite);
    EXPECT_EQ(image.pixel(0, 60), kWhite);
    EXPECT_EQ(image.pixel(0, 41), kWhite);
    EXPECT_EQ(image.pixel(0, 1), kBox);
}

// Texts from a mark file are not cut; together they may be wider than the strip.
TEST(MarkPreview, WiderThanTheStripIsCutAtItsEdge) {
    MarkTable table;
    for (int row = 0; row < 32; ++row)
        table.setFragment(row, u(u"Текст"), " 02", QString(100, QChar(u'Ш')));
    const auto items = marks::previewLayout(table, QFontMetrics(marks::previewFont()));
    ASSERT_EQ(items.size(), 32u);
    EXPECT_GT(items.back().x, 8192);
    const QImage image = marks::renderPreview(table);
    EXPECT_EQ(image.width(), 8192);
    EXPECT_NE(image.pixel(8191, 70), kWhite);
}

} // namespace
} // namespace nimbrel::testing
