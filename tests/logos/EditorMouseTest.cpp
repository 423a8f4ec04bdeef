#include "logos/EditorMouse.h"
#include "LogoTestSupport.h"

namespace nimbrel::testing {
namespace {

using logos::MouseButtons;

struct HitCase {
    const char* name;
    int x;
    int y;
    int offset;
    bool over;
    const char* text;
    bool paints; // with the left button: a dot inside the logo changes
    int column;
    int row;
};

class MouseHit : public ::testing::TestWithParam<HitCase> {};

// A 64 x 24 logo: the grid test is 10 < x < 655 and 10 < y < 260.
TEST_P(MouseHit, BoundsTextAndCell) {
    const HitCase& c = GetParam();
    const auto out = logos::mouseRule(QPoint(c.x, c.y), c.offset, MouseButtons::Left, 64, 24);
    EXPECT_EQ(out.overGrid, c.over);
    if (!c.over) {
        EXPECT_FALSE(out.paint);
        return;
    }
    EXPECT_EQ(out.cursorText, QString::fromUtf8(c.text));
    EXPECT_TRUE(out.paint);
    EXPECT_TRUE(out.dark);
    const bool inside = out.column >= 0 && out.row >= 0 && out.column < 64;
    EXPECT_EQ(inside, c.paints);
    if (c.paints) {
        EXPECT_EQ(out.column, c.column);
        EXPECT_EQ(out.row, c.row);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, MouseHit,
    ::testing::Values(HitCase{"LeftOfTheGrid", 10, 50, 0, false, "", false, 0, 0},
                      HitCase{"AboveTheGrid", 50, 10, 0, false, "", false, 0, 0},
                      HitCase{"TopLeftCornerPaintsNothing", 11, 11, 0, true, "XY=0:0", false, 0, 0},
                      HitCase{"LeftOfColumn0", 19, 25, 0, true, "XY=0:1", false, 0, 0},
                      HitCase{"AboveRow0", 25, 19, 0, true, "XY=1:0", false, 0, 0},
                      // The cell of column 0, row 0 spans 20..29; its two leftmost pixels read X=0.
                      HitCase{"Cell00LeftEdge", 20, 20, 0, true, "XY=0:1", true, 0, 0},
                      HitCase{"Cell00SecondPixel", 21, 29, 0, true, "XY=0:1", true, 0, 0},
                      HitCase{"Cell00ThirdPixel", 22, 20, 0, true, "XY=1:1", true, 0, 0},
                      HitCase{"Cell00RightEdge", 29, 29, 0, true, "XY=1:1", true, 0, 0},
                      HitCase{"Cell11", 30, 30, 0, true, "XY=1:2", true, 1, 1},
                      // Only the left 5 pixels of the last column's cell react.
                      HitCase{"LastColumnLeft", 650, 100, 0, true, "XY=63:9", true, 63, 8},
                      HitCase{"LastColumnBound", 654, 100, 0, true, "XY=64:9", true, 63, 8},
                      HitCase{"PastLastColumnBound", 655, 100, 0, false, "", false, 0, 0},
                      // The last row reacts over its whole cell.
                      HitCase{"LastRowBottom", 100, 259, 0, true, "XY=8:24", true, 8, 23},
                      HitCase{"BelowLastRow", 100, 260, 0, false, "", false, 0, 0},
                      // Scrolled by 5 columns: the first visible cell is column 5.
                      HitCase{"ScrolledCell", 25, 25, 5, true, "XY=6:1", true, 5, 0},
                      HitCase{"ScrolledPastTheLogo", 620, 25, 5, true, "XY=65:1", false, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MouseButtonsRule, LeftDarkRightLightOthersNothing) {
    const QPoint at(45, 45);
    auto left = logos::mouseRule(at, 0, MouseButtons::Left, 64, 24);
    EXPECT_TRUE(left.paint);
    EXPECT_TRUE(left.dark);
    auto right = logos::mouseRule(at, 0, MouseButtons::Right, 64, 24);
    EXPECT_TRUE(right.paint);
    EXPECT_FALSE(right.dark);
    for (MouseButtons b : {MouseButtons::None, MouseButtons::Both}) {
        auto out = logos::mouseRule(at, 0, b, 64, 24);
        EXPECT_FALSE(out.paint);
        EXPECT_EQ(out.cursorText, QStringLiteral("XY=3:3"));
    }
}

TEST(HandleEditorMouse, PaintsAndShowsTheCursor) {
    logos::LogoState logo;
    QString cursorStatus = QStringLiteral("XY=0:0");
    auto change = logos::handleEditorMouse(logo, cursorStatus, QPoint(35, 45), MouseButtons::Left);
    EXPECT_TRUE(change.painted);
    EXPECT_EQ(change.gridBox, QRect(11, 21, 9, 9));
    EXPECT_TRUE(logo.changed);
    EXPECT_EQ(cursorStatus, QStringLiteral("XY=2:3"));
    EXPECT_EQ(logo.logo.pixel(1, 2), qRgb(0, 0, 0));

    logos::handleEditorMouse(logo, cursorStatus, QPoint(35, 45), MouseButtons::Right);
    EXPECT_EQ(logo.logo.pixel(1, 2), qRgb(255, 255, 255));
}

TEST(HandleEditorMouse, PaintOutsideTheColumnsStillMarksChanged) {
    logos::LogoState logo;
    QString cursorStatus = QStringLiteral("XY=0:0");
    const QImage grid = logo.grid;
    auto change = logos::handleEditorMouse(logo, cursorStatus, QPoint(15, 15), MouseButtons::Left);
    EXPECT_FALSE(change.painted);
    EXPECT_TRUE(logo.changed);
    EXPECT_EQ(logo.grid, grid);
}

TEST(HandleEditorMouse, OutsideTheGridLeavesTheStatus) {
    logos::LogoState logo;
    QString cursorStatus = QStringLiteral("XY=0:0");
    logos::handleEditorMouse(logo, cursorStatus, QPoint(700, 45), MouseButtons::Left);
    EXPECT_EQ(cursorStatus, QStringLiteral("XY=0:0"));
    EXPECT_FALSE(logo.changed);
    EXPECT_EQ(logo.cursor, QPoint(700, 45));
}

} // namespace
} // namespace nimbrel::testing
