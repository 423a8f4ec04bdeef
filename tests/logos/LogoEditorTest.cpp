#include "LogoTestSupport.h"
#include "TestNames.h"

namespace nimbrel::testing {
namespace {

using logos::LogoState;

TEST(LogoStart, BlankLogoOf64By24) {
    LogoState logo;
    EXPECT_EQ(logo.width, 64);
    EXPECT_EQ(logo.height, 24);
    EXPECT_EQ(logo.bytesPerColumn, 3);
    EXPECT_FALSE(logo.changed);
    EXPECT_EQ(logo.logo.size(), QSize(780, 32));
    EXPECT_EQ(logo.grid.size(), QSize(8192, 330));
    EXPECT_EQ(logo.logo.pixel(63, 23), 0xFFFFFFFFu);
    EXPECT_EQ(logo.logo.pixel(64, 23), qRgb(230, 230, 240));
    EXPECT_EQ(logo.logo.pixel(63, 24), qRgb(230, 230, 240));
    EXPECT_EQ(logo.logo.pixel(779, 31), qRgb(230, 230, 240));
    // Grid: lines every 10 pixels, light cells inside the logo, background outside.
    EXPECT_EQ(logo.grid.pixel(0, 0), qRgb(220, 220, 220));
    EXPECT_EQ(logo.grid.pixel(1, 1), qRgb(200, 200, 210));
    EXPECT_EQ(logo.grid.pixel(639, 239), qRgb(200, 200, 210));
    EXPECT_EQ(logo.grid.pixel(640, 239), qRgb(220, 220, 220));
    EXPECT_EQ(logo.grid.pixel(641, 239), qRgb(230, 230, 240));
    EXPECT_EQ(logo.grid.pixel(639, 241), qRgb(230, 230, 240));
    EXPECT_EQ(logo.grid.pixel(8190, 325), qRgb(220, 220, 220));
    EXPECT_EQ(logo.grid.pixel(8191, 325), qRgb(230, 230, 240));
    EXPECT_EQ(logo.grid.pixel(5, 320), qRgb(220, 220, 220));
    EXPECT_EQ(logo.grid.pixel(5, 325), qRgb(230, 230, 240));
}

struct DarkCase {
    QRgb colour;
    bool dark;
};

class DarkTest : public ::testing::TestWithParam<DarkCase> {};

TEST_P(DarkTest, AnyComponentBelow170) {
    EXPECT_EQ(logos::isDark(GetParam().colour), GetParam().dark);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, DarkTest,
    ::testing::Values(DarkCase{qRgb(0, 0, 0), true}, DarkCase{qRgb(169, 255, 255), true},
                      DarkCase{qRgb(255, 169, 255), true}, DarkCase{qRgb(255, 255, 169), true},
                      DarkCase{qRgb(100, 200, 200), true}, DarkCase{qRgb(170, 170, 170), false},
                      DarkCase{qRgb(230, 230, 240), false}, DarkCase{qRgb(200, 200, 210), false},
                      DarkCase{qRgb(255, 255, 255), false}),
    [](const auto& info) {
        return testName(qRed(info.param.colour), qGreen(info.param.colour),
                        qBlue(info.param.colour));
    });

TEST(PaintDot, ChangesOnePixelAndOneBox) {
    LogoState logo;
    logo.logoDirty = logo.gridDirty = QRect();
    const QImage before = logo.grid;
    const auto change = logos::paintDot(logo, 3, 2, true);
    EXPECT_TRUE(change.painted);
    EXPECT_EQ(change.gridBox, QRect(31, 21, 9, 9));
    EXPECT_EQ(change.logoPixel, QRect(3, 2, 1, 1));
    EXPECT_EQ(logo.gridDirty, QRect(31, 21, 9, 9));
    EXPECT_EQ(logo.logo.pixel(3, 2), qRgb(0, 0, 0));
    int changedPixels = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < 60; ++x)
            if (before.pixel(x, y) != logo.grid.pixel(x, y)) {
                ++changedPixels;
                EXPECT_TRUE(QRect(31, 21, 9, 9).contains(x, y)) << x << "," << y;
            }
    EXPECT_EQ(changedPixels, 81);

    logos::paintDot(logo, 3, 2, false);
    EXPECT_EQ(logo.logo.pixel(3, 2), qRgb(255, 255, 255));
    EXPECT_EQ(logo.grid, before);
}

TEST(PaintDot, OutsideTheLogoChangesNothing) {
    LogoState logo;
    const QImage grid = logo.grid;
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {64, 0}, {0, 24}, {900, 3}})
        EXPECT_FALSE(logos::paintDot(logo, x, y, true).painted) << x << "," << y;
    EXPECT_EQ(logo.grid, grid);
}

TEST(Resize, GrowingTheHeightAddsLightRowsAtTheTop) {
    LogoState logo;
    drawRows(logo, 3, 16, {"#..", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "..#"});
    logos::resizeLogo(logo, 3, 24);
    EXPECT_EQ(logo.height, 24);
    EXPECT_EQ(logo.bytesPerColumn, 3);
    const auto rows = dotRows(logo);
    for (int y = 0; y < 8; ++y)
        EXPECT_EQ(rows[y], "...") << y;
    EXPECT_EQ(rows[8], "#..");
    EXPECT_EQ(rows[23], "..#");
    EXPECT_EQ(logo.grid.pixel(21, 231), qRgb(0, 0, 0));
}

TEST(Resize, ShrinkingTheHeightDropsTopRows) {
    LogoState logo;
    drawRows(logo, 2, 16, {"##", "", "", "", "", "", "", "", "#.", "", "", "", "", "", "", ".#"});
    logos::resizeLogo(logo, 2, 8);
    EXPECT_EQ(dotRows(logo),
              (std::vector<std::string>{"#.", "..", "..", "..", "..", "..", "..", ".#"}));
}

TEST(Resize, ShrinkingTheWidthDropsColumnsOnTheRight) {
    LogoState logo;
    logos::makeBlankLogo(logo, 100, 8);
    logos::paintDot(logo, 59, 7, true);
    logos::paintDot(logo, 60, 7, true);
    logos::paintDot(logo, 99, 0, true);
    logos::resizeLogo(logo, 60, 8);
    EXPECT_EQ(logo.width, 60);
    EXPECT_EQ(logos::countActiveDrops(logo), 1);
    EXPECT_TRUE(logos::isDark(logo.logo.pixel(59, 7)));
    // Outside the logo now: background in both images.
    EXPECT_EQ(logo.logo.pixel(60, 7), qRgb(230, 230, 240));
    EXPECT_EQ(logo.grid.pixel(605, 75), qRgb(230, 230, 240));
    logos::resizeLogo(logo, 70, 8);
    EXPECT_EQ(logos::countActiveDrops(logo), 1);
    EXPECT_EQ(logo.logo.pixel(65, 7), qRgb(255, 255, 255));
}

TEST(Resize, KeepsTheDarkTestNotTheColour) {
    LogoState logo;
    QImage picture(4, 8, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(1, 7, qRgb(100, 200, 200));
    logos::showPicture(logo, picture);
    logos::resizeLogo(logo, 4, 16);
    EXPECT_EQ(logo.logo.pixel(1, 15), qRgb(0, 0, 0));
    EXPECT_EQ(logo.logo.size(), QSize(780, 32));
}

TEST(Invert, TwiceRestoresABlackAndWhiteLogo) {
    LogoState logo;
    drawRows(logo, 4, 8, {"#..#", ".##."});
    const auto rows = dotRows(logo);
    const QImage grid = logo.grid;
    logos::invertLogo(logo);
    EXPECT_EQ(dotRows(logo)[0], ".##.");
    EXPECT_EQ(dotRows(logo)[7], "####");
    logos::invertLogo(logo);
    EXPECT_EQ(dotRows(logo), rows);
    EXPECT_EQ(logo.grid, grid);
}

TEST(Invert, ColouredDarkPixelBecomesWhite) {
    LogoState logo;
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(100, 200, 200));
    picture.setPixel(1, 0, qRgb(180, 180, 180));
    logos::showPicture(logo, picture);
    logos::invertLogo(logo);
    EXPECT_EQ(logo.logo.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(logo.logo.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(logo.grid.pixel(1, 1), qRgb(200, 200, 210));
    EXPECT_EQ(logo.grid.pixel(11, 1), qRgb(0, 0, 0));
}

TEST(CountActiveDrops, OnlyExactlyBlack) {
    LogoState logo;
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    picture.setPixel(1, 0, qRgb(10, 10, 10));
    picture.setPixel(2, 1, qRgb(0, 0, 0));
    logos::showPicture(logo, picture);
    EXPECT_EQ(logos::countActiveDrops(logo), 2);
    // Dark grey is still a dark dot for the grid.
    EXPECT_EQ(logo.grid.pixel(11, 1), qRgb(0, 0, 0));
}

TEST(ShowPicture, KeepsColoursAndScrollsHome) {
    LogoState logo;
    logo.columnOffset = 12;
    QImage picture(5, 20, QImage::Format_RGB32);
    picture.fill(qRgb(250, 10, 10));
    logos::showPicture(logo, picture);
    EXPECT_EQ(logo.width, 5);
    EXPECT_EQ(logo.height, 20);
    EXPECT_EQ(logo.bytesPerColumn, 3);
    EXPECT_EQ(logo.columnOffset, 0);
    EXPECT_TRUE(logo.scrollHome);
    EXPECT_EQ(logo.logo.pixel(4, 19), qRgb(250, 10, 10));
    EXPECT_EQ(logo.grid.pixel(41, 191), qRgb(0, 0, 0));
    // Outside the picture the grid is empty: background, no light cells.
    EXPECT_EQ(logo.grid.pixel(51, 1), qRgb(230, 230, 240));
    EXPECT_EQ(logo.grid.pixel(1, 201), qRgb(230, 230, 240));
}

TEST(ClearToSize, WideLogoFitsTheLogoImage) {
    LogoState logo;
    logos::makeBlankLogo(logo, 819, 32);
    EXPECT_GE(logo.logo.width(), 819);
    EXPECT_TRUE(logos::paintDot(logo, 818, 31, true).painted);
    EXPECT_EQ(logo.grid.pixel(8181, 311), qRgb(0, 0, 0));
    logos::clearEditingArea(logo);
    EXPECT_EQ(logos::countActiveDrops(logo), 0);
    EXPECT_EQ(logo.grid.pixel(8181, 311), qRgb(200, 200, 210));
}

} // namespace
} // namespace nimbrel::testing
