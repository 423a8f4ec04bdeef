#include "printer/SettingsFields.h"
#include "PrinterTestSupport.h"
#include "TestNames.h"

namespace nimbrel::testing {
namespace {

using printer::SettingsLayout;

struct DropCase {
    int v;
    int offset;
    const char* field; // the five characters
};

void PrintTo(const DropCase& c, std::ostream* os) {
    *os << c.v << " + " << c.offset;
}

class DropFrequencyTest : public ::testing::TestWithParam<DropCase> {};

TEST_P(DropFrequencyTest, FiveCharactersCutNotRounded) {
    const auto& c = GetParam();
    EXPECT_EQ(printer::dropFrequencyText(c.v, c.offset),
              QString::fromLatin1(c.field) + u(u" кГц  "));
}

INSTANTIATE_TEST_SUITE_P(
    T7x9x, DropFrequencyTest,
    ::testing::Values(DropCase{3, 125, "62.50"}, DropCase{1, 125, "63.49"},
                      DropCase{0, 125, "64.00"}, DropCase{-45, 125, "100.0"},
                      DropCase{-46, 125, "101.2"}, DropCase{-4, 125, "66.11"},
                      DropCase{127, 125, "31.74"}, DropCase{-117, 125, "1000."},
                      DropCase{-124, 125, "8000."}, DropCase{-125, 125, "??.??"},
                      DropCase{-128, 125, "??.??"}),
    [](const auto& info) { return testName(info.param.v, info.param.offset); });

INSTANTIATE_TEST_SUITE_P(T2x, DropFrequencyTest,
                         ::testing::Values(DropCase{0, 80, "100.0"}, DropCase{45, 80, "64.00"},
                                           DropCase{-1, 80, "101.2"}, DropCase{39, 80, "67.22"},
                                           DropCase{127, 80, "38.64"}, DropCase{-79, 80, "8000."},
                                           DropCase{-80, 80, "??.??"}, DropCase{-128, 80, "??.??"}),
                         [](const auto& info) {
                             return testName(info.param.v, info.param.offset);
                         });

struct ConverterCase {
    int v;
    SettingsLayout layout;
    const char* number;
};

void PrintTo(const ConverterCase& c, std::ostream* os) {
    *os << c.v << (c.layout == SettingsLayout::T2x ? " T2x" : " T7x/T9x");
}

class ConverterFrequencyTest : public ::testing::TestWithParam<ConverterCase> {};

TEST_P(ConverterFrequencyTest, FourCharactersOrUnknown) {
    const auto& c = GetParam();
    EXPECT_EQ(printer::converterFrequencyText(c.v, c.layout),
              QString::fromLatin1(c.number) + u(u" кГц"));
}

INSTANTIATE_TEST_SUITE_P(Thresholds, ConverterFrequencyTest,
                         ::testing::Values(ConverterCase{0, SettingsLayout::T7x9x, "???"},
                                           ConverterCase{49, SettingsLayout::T7x9x, "???"},
                                           ConverterCase{50, SettingsLayout::T7x9x, "73.3"},
                                           ConverterCase{52, SettingsLayout::T7x9x, "70.5"},
                                           ConverterCase{100, SettingsLayout::T7x9x, "36.6"},
                                           ConverterCase{255, SettingsLayout::T7x9x, "14.3"},
                                           ConverterCase{0, SettingsLayout::T2x, "???"},
                                           ConverterCase{50, SettingsLayout::T2x, "???"},
                                           ConverterCase{112, SettingsLayout::T2x, "???"},
                                           ConverterCase{113, SettingsLayout::T2x, "64.6"},
                                           ConverterCase{200, SettingsLayout::T2x, "36.6"},
                                           ConverterCase{255, SettingsLayout::T2x, "28.8"}),
                         [](const auto& info) {
                             return testName(info.param.layout == SettingsLayout::T2x ? "T2x"
                                                                                      : "T7x9x",
                                             info.param.v);
                         });

TEST(DirectionText, SignFromByte) {
    const std::vector<std::pair<int, QString>> cases = {
        {0, "+1"},
        {45, "-1"},
        {-112, "+1"},
        {-1, "+1"},
        {30, "+1"},
        {43, "+1"},
        {31, QString(QChar(31)) + "1"},
        {126, "~1"},
        {33, "!1"},
    };
    for (const auto& [byte, text] : cases)
        EXPECT_EQ(printer::directionText(byte), text) << byte;
}

TEST(DateOffsetText, LeadingZerosDropped) {
    const std::vector<std::pair<QByteArray, QString>> cases = {
        {QByteArray("0030"), "30"},
        {QByteArray("0000"), "0"},
        {QByteArray("9999"), "9999"},
        {QByteArray("0007"), "7"},
        {QByteArray("1000"), "1000"},
        {QByteArray(4, '\0'), "0"},
        {QByteArray("12\0"
                    "4",
                    4),
         "12"},
        {QByteArray("0\0"
                    "05",
                    4),
         "0"},
        {QByteArray("00301"), "30"},
        {QByteArray("0"), "0"},
        {QByteArray(), "0"},
        {QByteArray("00\xC0"
                    "1"),
         u(u"А1")},
    };
    for (const auto& [field, text] : cases)
        EXPECT_EQ(printer::dateOffsetText(QByteArray("\x06") + field, 1), text)
            << field.toHex().constData();
}

TEST(SpeedModeText, FastOrByModel) {
    EXPECT_EQ(printer::speedModeText('5', "T936"), u(u"быстрая (Y=5)"));
    EXPECT_EQ(printer::speedModeText('6', "T260"), u(u"быстрая (Y=6)"));
    EXPECT_EQ(printer::speedModeText('7', "T236"), u(u"быстрая (Y=7)"));
    for (int other : {0, int('4'), int('8'), 5, 0xB5}) {
        EXPECT_EQ(printer::speedModeText(other, "T260"), u(u"обычная (Y=8..32)")) << other;
        EXPECT_EQ(printer::speedModeText(other, "T236"), u(u"обычная (Y=8/16)")) << other;
        EXPECT_EQ(printer::speedModeText(other, "T936"), u(u"обычная (Y=8/16)")) << other;
    }
}

TEST(GroupPrintText, CharacterThenMeaning) {
    EXPECT_EQ(printer::groupPrintText('P'), u(u"P (выключен)\n\r"));
    EXPECT_EQ(printer::groupPrintText('A'), u(u"A (включен)\n\r"));
    EXPECT_EQ(printer::groupPrintText(0), u(u" ?\n\r"));
    EXPECT_EQ(printer::groupPrintText('p'), u(u"p ?\n\r"));
    EXPECT_EQ(printer::groupPrintText(0xC0), u(u"А ?\n\r"));
}

TEST(SettingsLayoutFor, OnlyT236AndT260AreT2x) {
    EXPECT_EQ(printer::settingsLayoutFor("T236"), SettingsLayout::T2x);
    EXPECT_EQ(printer::settingsLayoutFor("T260"), SettingsLayout::T2x);
    for (const char* model :
         {"T736", "T760", "T75Z", "T936", "T960", "T93Z", "T95Z", "t260", "T26", "", "XYZ1"})
        EXPECT_EQ(printer::settingsLayoutFor(model), SettingsLayout::T7x9x) << model;
}

} // namespace
} // namespace nimbrel::testing
