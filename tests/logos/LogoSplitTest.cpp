#include "logos/LogoSplit.h"
#include "LogoTestSupport.h"
#include "TestNames.h"

namespace nimbrel::testing {
namespace {

struct WideCase {
    int width;
    int bytesPerColumn;
    std::vector<int> strips; // empty: not cut; {-1}: refused
};

class WideCheck : public ::testing::TestWithParam<WideCase> {};

TEST_P(WideCheck, StripWidths) {
    const WideCase& c = GetParam();
    const int parts = logos::wideCheckParts(c.width, c.bytesPerColumn);
    if (c.strips.empty()) {
        EXPECT_EQ(parts, 0);
        return;
    }
    if (c.strips == std::vector<int>{-1}) {
        EXPECT_EQ(parts, -1);
        return;
    }
    EXPECT_EQ(parts, static_cast<int>(c.strips.size()));
    EXPECT_EQ(logos::wideCheckStripWidths(c.width, parts), c.strips);
}

INSTANTIATE_TEST_SUITE_P(
    Logos, WideCheck,
    ::testing::Values(WideCase{63, 4, {}}, WideCase{64, 4, {32, 32}}, WideCase{100, 4, {50, 50}},
                      WideCase{101, 4, {51, 50}}, WideCase{126, 4, {63, 63}},
                      WideCase{127, 4, {43, 42, 42}}, WideCase{150, 4, {50, 50, 50}},
                      WideCase{190, 4, {48, 47, 48, 47}}, WideCase{200, 4, {50, 50, 50, 50}},
                      WideCase{251, 4, {63, 62, 63, 63}}, WideCase{252, 4, {-1}},
                      WideCase{84, 3, {}}, WideCase{85, 3, {43, 42}},
                      WideCase{166, 3, {56, 55, 55}}, WideCase{253, 3, {64, 63, 64, 62}},
                      WideCase{336, 3, {84, 84, 84, 84}}, WideCase{337, 3, {-1}},
                      WideCase{127, 2, {}}, WideCase{128, 2, {64, 64}},
                      WideCase{255, 2, {85, 85, 85}}, WideCase{381, 2, {127, 127, 127}},
                      WideCase{382, 2, {-1}}, WideCase{256, 1, {}}, WideCase{819, 1, {}}),
    [](const auto& info) { return testName(info.param.width, info.param.bytesPerColumn); });

struct PartCase {
    int width;
    int bytesPerColumn;
    int parts;
    std::vector<int> strips;
};

class MultiPart : public ::testing::TestWithParam<PartCase> {};

TEST_P(MultiPart, CountAndStripWidths) {
    const PartCase& c = GetParam();
    EXPECT_EQ(logos::binPartCount(c.width, c.bytesPerColumn), c.parts);
    if (c.parts >= 2 && c.parts <= 12) {
        EXPECT_EQ(logos::multiPartStripWidths(c.width, c.parts), c.strips);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Logos, MultiPart,
    ::testing::Values(PartCase{64, 3, 1, {}}, PartCase{84, 3, 1, {}}, PartCase{63, 4, 1, {}},
                      PartCase{252, 1, 1, {}}, PartCase{253, 1, 2, {127, 126}},
                      PartCase{100, 4, 2, {50, 50}}, PartCase{130, 2, 2, {65, 65}},
                      PartCase{200, 4, 4, {50, 50, 50, 50}},
                      PartCase{255, 4, 5, {51, 51, 51, 51, 51}},
                      PartCase{256, 4, 5, {52, 52, 51, 51, 50}},
                      PartCase{300, 3, 4, {75, 75, 75, 75}}, PartCase{301, 3, 4, {76, 76, 75, 74}},
                      PartCase{757, 4, 13, {}},
                      PartCase{756, 4, 12, {63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63}}),
    [](const auto& info) {
        return testName(info.param.width, info.param.bytesPerColumn, info.param.parts);
    });

TEST(PartNames, WideCheckKeepsTheWholeName) {
    EXPECT_EQ(logos::widePartFileName(QStringLiteral("/w/PRINTER FILES/Pic.bmp"), 3),
              QStringLiteral("/w/PRINTER FILES/Pic.bmp_3.bmp"));
}

TEST(PartNames, MultiPartDropsTheExtensionAndLowersOnlyTheFileName) {
    const QString base = logos::multiPartBase(QStringLiteral("/w/PRINTER FILES/Pic.BIN"));
    EXPECT_EQ(base, QStringLiteral("/w/PRINTER FILES/pic"));
    EXPECT_EQ(logos::multiPartFileName(base, 12), QStringLiteral("/w/PRINTER FILES/pic_12.bin"));
    EXPECT_EQ(logos::multiPartBase(QStringLiteral("a.bin")), QStringLiteral("a"));
}

TEST(PartFiles, HeaderAndColumnsFromRow8RMinus1) {
    logos::LogoState logo;
    QImage picture(6, 12, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x = 0; x < 6; ++x)
        picture.setPixel(x, 11, qRgb(0, 0, 0)); // bottom row dark
    logos::showPicture(logo, picture);
    // Two bytes per column from row 15: rows 12..15 are light, row 11 is bit 4.
    EXPECT_EQ(logos::multiPartFile(logo, 2, 3, 2), bytes({8, 0, 3, 2, 0x10, 0, 0x10, 0, 0x10, 0}));
}

TEST(Texts, WideCheckQuestion) {
    EXPECT_EQ(logos::wideCheckQuestion(QStringLiteral("/w/pic.bmp"), 2),
              u(u" Создано 2 файлов:\n\r"
                u"-  /w/pic.bmp_1.bmp\n\r"
                u"-  /w/pic.bmp_2.bmp\n\r"
                u"\n\rОткрыть первый из созданных файлов: \n\r"
                u"PIC.BMP_1.BMP?"));
}

TEST(Texts, MultiPartQuestion) {
    EXPECT_EQ(logos::multiPartQuestion(QStringLiteral("/w/pic"), 5),
              u(u" Создано 5 файлов:\n\rОткрыть первый из созданных файлов: /w/PIC_1.BIN?"));
}

} // namespace
} // namespace nimbrel::testing
