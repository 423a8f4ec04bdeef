#include "Printer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace nimbrel::sim {
namespace {

constexpr std::int64_t kPcNow = 1559311509;

Bytes bytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

struct Piece {
    int line;
    int fragment;
    std::string_view record; // type, font, length, text
};

// A printer whose mark 0 holds exactly these fragments (all others: type 0, nothing to print).
Printer printerPrinting(std::initializer_list<Piece> pieces) {
    PrinterState state = makeInitialState(*findModel("T936"));
    Bytes block(1536, 0);
    for (const Piece& p : pieces) {
        const std::size_t record = static_cast<std::size_t>((p.fragment - 1) * 4 + p.line - 1);
        std::copy(p.record.begin(), p.record.end(), block.begin() + record * 48);
    }
    state.marks[0] = block;
    return Printer(std::move(state));
}

Bytes bitmap(Printer& printer) {
    const Response r = printer.handle(bytes("\x0F\x62\x0E"), kPcNow);
    EXPECT_TRUE(r.understood);
    return r.reply;
}

struct BitmapCase {
    const char* name;
    std::vector<Piece> pieces;
    std::string_view expected;
};

void PrintTo(const BitmapCase& c, std::ostream* os) {
    *os << c.name;
}

class KnownMark : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(KnownMark, RendersToTheseColumnBytes) {
    PrinterState state = makeInitialState(*findModel("T936"));
    Bytes block(1536, 0);
    for (const Piece& p : GetParam().pieces) {
        const std::size_t record = static_cast<std::size_t>((p.fragment - 1) * 4 + p.line - 1);
        std::copy(p.record.begin(), p.record.end(), block.begin() + record * 48);
    }
    state.marks[0] = block;
    state.logos[7] = {2, 1, 0x81, 0x7E};
    state.logos[130] = {1, 2, 0x01, 0x80};
    Printer printer(std::move(state));
    EXPECT_EQ(bitmap(printer), bytes(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Marks, KnownMark,
    ::testing::Values(
        // "I" in font 0: 5 columns, 7 dots high in one byte, lowest dot in bit 0.
        BitmapCase{
            "letter_I", {{1, 1, {"\x18\x00\x01I", 4}}}, {"\x05\x00\x01\x00\x41\x7F\x41\x00", 8}},
        // Font 4 doubles each dot: 10 columns, 14 dots, two bytes per column.
        BitmapCase{
            "letter_I_font_4",
            {{1, 1, {"\x18\x04\x01I", 4}}},
            {"\x0A\x00\x02"
             "\x00\x00\x00\x00\x03\x30\x03\x30\xFF\x3F\xFF\x3F\x03\x30\x03\x30\x00\x00\x00\x00",
             23}},
        // Line 1 "-" at the bottom, a light row, then line 2 "." from row 8.
        BitmapCase{"two_lines",
                   {{1, 1, {"\x18\x00\x01-", 4}}, {2, 1, {"\x18\x00\x01.", 4}}},
                   {"\x05\x00\x02\x08\x00\x08\x03\x08\x03\x08\x00\x08\x00", 13}},
        // An empty line 1 takes no room.
        BitmapCase{"line_2_alone",
                   {{2, 1, {"\x18\x00\x01.", 4}}},
                   {"\x05\x00\x01\x00\x03\x03\x00\x00", 8}},
        // Two characters one light column apart, two fragments one light column apart.
        BitmapCase{"characters_and_fragments",
                   {{1, 1, {"\x18\x00\x02||", 5}}, {1, 2, {"\x19\x00\x01|", 4}}},
                   {"\x11\x00\x01"
                    "\x00\x00\x7F\x00\x00\x00\x00\x00\x7F\x00\x00\x00\x00\x00\x7F\x00\x00",
                    20}},
        // Graphics print the logo their text names, with or without leading zeros.
        BitmapCase{"logo_7",
                   {{1,
                     1,
                     {"\x1C\x00\x01"
                      "7",
                      4}}},
                   {"\x02\x00\x01\x81\x7E", 5}},
        BitmapCase{"logo_007_then_text",
                   {{1,
                     1,
                     {"\x1C\x00\x03"
                      "007",
                      6}},
                    {1, 2, {"\x18\x00\x01|", 4}}},
                   {"\x08\x00\x01\x81\x7E\x00\x00\x00\x7F\x00\x00", 11}},
        BitmapCase{"read_only_logo_130_16_dots",
                   {{1,
                     1,
                     {"\x1C\x00\x03"
                      "130",
                      6}}},
                   {"\x01\x00\x02\x01\x80", 5}},
        // Lower-case and capital Cyrillic print alike (а = А = A).
        BitmapCase{"cyrillic_a",
                   {{1, 1, {"\x18\x00\x01\xE0", 4}}},
                   {"\x05\x00\x01\x3F\x44\x44\x44\x3F", 8}},
        BitmapCase{"nothing_to_print", {{1, 1, {"\x18\x02\x00", 3}}}, {"\x00\x00", 2}},
        BitmapCase{"empty_logo_slot",
                   {{1,
                     1,
                     {"\x1C\x00\x01"
                      "9",
                      4}}},
                   {"\x00\x00", 2}},
        BitmapCase{"graphics_without_a_number", {{1, 1, {"\x1C\x00\x01X", 4}}}, {"\x00\x00", 2}},
        BitmapCase{"barcode_with_a_letter",
                   {{1,
                     1,
                     {"\x10\x00\x03"
                      "1A3",
                      6}}},
                   {"\x00\x00", 2}},
        BitmapCase{"unknown_type", {{1, 1, {"\x07\x00\x01I", 4}}}, {"\x00\x00", 2}}),
    [](const auto& info) { return std::string(info.param.name); });

// The 95 modules of 5901234123457, left to right.
constexpr std::string_view kEan5901234123457 = "101000101101001110110011001001101111010011101010101"
                                               "10011011011001000010101110010011101000100101";

TEST(MarkBitmap, BarcodeIsItsModulesAsFullHeightBars) {
    // The 13th digit is the printer's to work out: a wrong one changes nothing.
    for (std::string_view code : {"5901234123457", "5901234123450", "590123412345"}) {
        std::string record("\x10\x00", 2);
        record += static_cast<char>(code.size());
        record += code;
        Printer printer = printerPrinting({{1, 1, record}});
        const Bytes answer = bitmap(printer);
        ASSERT_EQ(answer.size(), 3u + 95u) << code;
        EXPECT_EQ(Bytes(answer.begin(), answer.begin() + 3), bytes({"\x5F\x00\x01", 3}));
        std::string modules;
        for (std::size_t x = 3; x < answer.size(); ++x) {
            EXPECT_TRUE(answer[x] == 0x00 || answer[x] == 0x7F) << "column " << x - 3;
            modules += answer[x] == 0x7F ? '1' : '0';
        }
        EXPECT_EQ(modules, kEan5901234123457) << code;
    }
}

TEST(MarkBitmap, ShortBarcodeTextIsFilledWithZeros) {
    Printer shortText = printerPrinting({{1,
                                          1,
                                          {"\x10\x00\x03"
                                           "123",
                                           6}}});
    Printer filled = printerPrinting({{1,
                                       1,
                                       {"\x10\x00\x0D"
                                        "1230000000000",
                                        16}}});
    EXPECT_EQ(bitmap(shortText), bitmap(filled));
}

TEST(MarkBitmap, EmptyCurrentMarkHasNoBitmap) {
    Printer printer(makeInitialState(*findModel("T260")));
    printer.state().marks.clear();
    EXPECT_EQ(bitmap(printer), bytes({"\0\0", 2}));
}

TEST(MarkBitmap, DemonstrationMarkPrintsNimbrel) {
    Printer printer(makeInitialState(*findModel("T260")));
    const Bytes answer = bitmap(printer);
    // Seven characters of 5 columns, one light column between them, 7 dots high.
    ASSERT_EQ(answer.size(), 3u + 41u);
    EXPECT_EQ(Bytes(answer.begin(), answer.begin() + 3), bytes({"\x29\x00\x01", 3}));
    // "N", then the light column, then "I".
    EXPECT_EQ(Bytes(answer.begin() + 3, answer.begin() + 14),
              bytes({"\x7F\x10\x08\x04\x7F\x00\x00\x41\x7F\x41\x00", 11}));
}

TEST(MarkBitmap, TallLinesAreCutAt32Dots) {
    // Four lines in font 15 (28 dots each): line 1 fills rows 0-27, row 28 is light, line 2
    // keeps only its bottom three rows.
    Printer printer = printerPrinting({{1, 1, {"\x18\x0F\x01|", 4}},
                                       {2, 1, {"\x18\x0F\x01|", 4}},
                                       {3, 1, {"\x18\x0F\x01|", 4}},
                                       {4, 1, {"\x18\x0F\x01|", 4}}});
    const Bytes answer = bitmap(printer);
    ASSERT_EQ(answer.size(), 3u + 20u * 4u);
    EXPECT_EQ(Bytes(answer.begin(), answer.begin() + 3), bytes({"\x14\x00\x04", 3}));
    // Columns 8 to 11 carry the bar of "|".
    EXPECT_EQ(Bytes(answer.begin() + 3 + 8 * 4, answer.begin() + 3 + 9 * 4),
              bytes({"\xFF\xFF\xFF\xEF", 4}));
    EXPECT_EQ(Bytes(answer.begin() + 3 + 7 * 4, answer.begin() + 3 + 8 * 4),
              bytes({"\0\0\0\0", 4}));
}

TEST(MarkBitmap, WideMarkIsCutAt819Columns) {
    PrinterState state = makeInitialState(*findModel("T936"));
    Bytes block(1536, 0);
    for (std::size_t record = 0; record < 32; ++record) {
        block[record * 48] = 0x18;
        block[record * 48 + 2] = 44;
        std::fill_n(block.begin() + static_cast<std::ptrdiff_t>(record * 48 + 3), 44, 'W');
    }
    state.marks[0] = block;
    Printer printer(std::move(state));
    const Bytes answer = bitmap(printer);
    // Four lines of 7 dots and three light rows between them: 31 dots, 4 bytes per column.
    ASSERT_EQ(answer.size(), 3u + 819u * 4u);
    EXPECT_EQ(Bytes(answer.begin(), answer.begin() + 3), bytes({"\x33\x03\x04", 3}));
}

TEST(MarkBitmap, FollowsTheCurrentMarkAndTheLogoStore) {
    Printer printer = printerPrinting({{1,
                                        1,
                                        {"\x1C\x00\x01"
                                         "3",
                                         4}}});
    EXPECT_EQ(bitmap(printer), bytes({"\0\0", 2}));
    Bytes write = bytes("\x0F\x6C\x30\x30\x33\x04");
    write.insert(write.end(), {2, 1, 0x0F, 0xF0});
    write.resize(262, 0);
    printer.handle(write, kPcNow);
    EXPECT_EQ(bitmap(printer), bytes({"\x02\x00\x01\x0F\xF0", 5}));
    printer.handle(bytes("\x18\x31\x31\x30"
                         "-\x0E"),
                   kPcNow);
    EXPECT_EQ(bitmap(printer), bytes({"\x05\x00\x01\x08\x08\x08\x08\x08", 8}));
}

} // namespace
} // namespace nimbrel::sim
