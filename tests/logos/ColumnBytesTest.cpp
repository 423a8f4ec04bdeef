#include "LogoTestSupport.h"
#include "logos/LogoBlock.h"

#include <QRandomGenerator>

namespace nimbrel::testing {
namespace {

using logos::LogoState;

// One column, top row first.
std::vector<std::string> column(const std::string& topToBottom) {
    std::vector<std::string> rows;
    for (char c : topToBottom)
        rows.push_back(std::string(1, c));
    return rows;
}

struct PackCase {
    const char* name;
    int height;
    std::string dots; // one column, top row first
    int bytesPerColumn;
    int startRow;
    QByteArray expected;
};

class PackColumns : public ::testing::TestWithParam<PackCase> {};

TEST_P(PackColumns, GoldenBytes) {
    const PackCase& c = GetParam();
    LogoState logo;
    drawRows(logo, 1, c.height, column(c.dots));
    EXPECT_EQ(logos::packColumns(logo, 0, 1, c.bytesPerColumn, c.startRow), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Heights, PackColumns,
    ::testing::Values(
        PackCase{"BottomDotIsBit0", 8, ".......#", 1, 7, bytes({0x01})},
        PackCase{"TopDotIsBit7", 8, "#.......", 1, 7, bytes({0x80})},
        PackCase{"FirstByteHoldsTheBottomEight", 16, "#..............#", 2, 15,
                 bytes({0x01, 0x80})},
        PackCase{"ThreeBytes", 24, "#.......#......#.......#", 3, 23, bytes({0x01, 0x81, 0x80})},
        PackCase{"FourBytesAllDark", 32, std::string(32, '#'), 4, 31,
                 bytes({0xFF, 0xFF, 0xFF, 0xFF})},
        // 20 rows from the bottom row: the top four bits of the last byte stay 0.
        PackCase{"TwentyRowsFromTheBottomRow", 20, std::string(20, '#'), 3, 19,
                 bytes({0xFF, 0xFF, 0x0F})},
        // 20 rows from row 23, as the part files pack them: rows 20..23 are light.
        PackCase{"TwentyRowsFromRow23", 20, std::string(20, '#'), 3, 23, bytes({0xF0, 0xFF, 0xFF})},
        PackCase{"TwentyRowsBottomDotFromRow23", 20, std::string(19, '.') + "#", 3, 23,
                 bytes({0x10, 0x00, 0x00})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PackColumnsRange, PacksOnlyTheAskedColumns) {
    LogoState logo;
    drawRows(logo, 4, 8, {"...#", "..#.", ".#..", "#..."});
    // Row 3 of 8 is bit 4 of the column byte.
    EXPECT_EQ(logos::packColumns(logo, 0, 4, 1, 7), bytes({0x10, 0x20, 0x40, 0x80}));
    EXPECT_EQ(logos::packColumns(logo, 1, 2, 1, 7), bytes({0x20, 0x40}));
}

struct UnpackCase {
    const char* name;
    QByteArray columns;
    int width;
    int bytesPerColumn;
    std::vector<std::string> rows;
};

class UnpackColumns : public ::testing::TestWithParam<UnpackCase> {};

TEST_P(UnpackColumns, DotsInPlace) {
    const UnpackCase& c = GetParam();
    LogoState logo;
    logos::unpackColumns(logo, c.columns, c.width, c.bytesPerColumn);
    EXPECT_EQ(logo.width, c.width);
    EXPECT_EQ(logo.height, 8 * c.bytesPerColumn);
    EXPECT_EQ(logo.bytesPerColumn, c.bytesPerColumn);
    EXPECT_EQ(dotRows(logo), c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, UnpackColumns,
    ::testing::Values(UnpackCase{"OneByte",
                                 bytes({0x01, 0x80, 0x0F}),
                                 3,
                                 1,
                                 {".#.", "...", "...", "...", "..#", "..#", "..#", "#.#"}},
                      // The first byte of each column lands in rows 8 to 15.
                      UnpackCase{"TwoBytes",
                                 bytes({0x01, 0x80}),
                                 1,
                                 2,
                                 {"#", ".", ".", ".", ".", ".", ".", ".", ".", ".", ".", ".", ".",
                                  ".", ".", "#"}},
                      UnpackCase{"ShortDataIsLight",
                                 bytes({0xFF}),
                                 2,
                                 1,
                                 {"#.", "#.", "#.", "#.", "#.", "#.", "#.", "#."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColumnBytesRoundTrip, PackAfterUnpackGivesTheSameBytes) {
    QRandomGenerator random(42);
    for (int r = 1; r <= 4; ++r) {
        for (int width : {1, 63, 250, 819}) {
            QByteArray data(width * r, '\0');
            for (auto& b : data)
                b = static_cast<char>(random.bounded(256));
            LogoState logo;
            logos::unpackColumns(logo, data, width, r);
            EXPECT_EQ(logos::packColumns(logo, 0, width, r, 8 * r - 1), data)
                << "R=" << r << " width=" << width;
        }
    }
}

TEST(ColumnBytesRoundTrip, UnpackDrawsTheGridBoxes) {
    LogoState logo;
    logos::unpackColumns(logo, bytes({0x01, 0x00}), 2, 1);
    // Column 0, bottom row 7: the box at (1, 71).
    EXPECT_EQ(logo.grid.pixel(1, 71), logos::kDarkColour);
    EXPECT_EQ(logo.grid.pixel(9, 79), logos::kDarkColour);
    EXPECT_EQ(logo.grid.pixel(10, 71), logos::kGridLineColour);
    EXPECT_EQ(logo.grid.pixel(11, 71), logos::kLightCellColour);
    EXPECT_EQ(logo.logo.pixel(0, 7), logos::kDarkColour);
    EXPECT_EQ(logo.logo.pixel(1, 7), logos::kLightDotColour);
}

} // namespace
} // namespace nimbrel::testing
