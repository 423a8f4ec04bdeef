#include "marks/MarkFile.h"
#include "MarksTestSupport.h"
#include "TestNames.h"

#include <map>

namespace nimbrel::testing {
namespace {

using marks::MarkTable;

// One file line without its end: position label, type byte, the rest (font and text).
QByteArray mrt(const char* label, int type, const QByteArray& rest = "02") {
    return QByteArray(label) + static_cast<char>(type) + rest;
}

// The lines, each ended by CR LF.
QByteArray lines(const std::vector<QByteArray>& first) {
    QByteArray out;
    for (const auto& l : first)
        out += l + "\r\n";
    return out;
}

TEST(MarkFileWriter, GoldenLine) {
    MarkTable table;
    table.setFragment(0, u(u"Текст"), " 02", "ABC");
    const QByteArray file = marks::writeMarkFile(table);
    EXPECT_EQ(file.left(10), bytes({0x31, 0x31, 0x18, 0x30, 0x32, 0x41, 0x42, 0x43, 0x0D, 0x0A}));
}

TEST(MarkFileWriter, AllRowsInTableOrder) {
    MarkTable table;
    table.setFragment(1, u(u"Номер"), " 05", u(u"Привет"));
    table.setFragment(10, u(u"ШтрихКод EAN"), " 13", "4600000000001");
    table.setFragment(31, u(u"ПостДата"), " 017", "");
    table.setFragment(17, "?", " #02", "x");
    table.setFragment(18, " 007", " 00", "y");
    table.setFragment(24, u(u"Дата/Время"), " 15", "%d");
    table.setFragment(25, u(u"Графика"), " 01", "LOGO1");

    const std::map<int, QByteArray> special = {
        {1, mrt("12", 0x19, "05\xCF\xF0\xE8\xE2\xE5\xF2")},
        {10, mrt("23", 0x10, "134600000000001")},
        {17, mrt("32", 0x18, "02x")},
        {18, mrt("33", 0x18, "00y")},
        {24, mrt("41", 0x1A, "15%d")},
        {25, mrt("42", 0x1C, "01LOGO1")},
        {31, mrt("48", 0x1D, "17")},
    };
    QByteArray expected;
    for (int row = 0; row < 32; ++row) {
        const QByteArray label = QByteArray::number(row / 8 + 1) + QByteArray::number(row % 8 + 1);
        const auto it = special.find(row);
        expected += (it != special.end() ? it->second : mrt(label.constData(), 0x18)) + "\r\n";
    }
    EXPECT_EQ(marks::writeMarkFile(table), expected);
}

TEST(MarkFileWriter, LineBreakingBytesInTextsCannotSplitALine) {
    MarkTable table;
    table.setFragment(0, u(u"Текст"), " 02", QStringLiteral("A\rB\nC") + QChar(0) + "D");
    const QByteArray file = marks::writeMarkFile(table);
    EXPECT_EQ(file.left(14), mrt("11", 0x18, "02A?B?C?D\r\n"));
    EXPECT_EQ(file.count("\r\n"), 32);
}

TEST(MarkFileTemplate, ThirtyTwoRunningNumbers) {
    QByteArray expected;
    for (int line = 1; line <= 4; ++line)
        for (int fragment = 1; fragment <= 8; ++fragment)
            expected += QByteArray::number(line) + QByteArray::number(fragment) + '\x19' + "02\r\n";
    EXPECT_EQ(marks::newMarkTemplate(), expected);
}

struct LoadCase {
    const char* name;
    QByteArray file;
    int rows;
    bool bad;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

class MarkFileStops : public ::testing::TestWithParam<LoadCase> {};

TEST_P(MarkFileStops, RowsReadAndVerdict) {
    const auto& c = GetParam();
    const auto parsed = marks::parseMarkFile(c.file);
    EXPECT_EQ(static_cast<int>(parsed.rows.size()), c.rows);
    EXPECT_EQ(parsed.badLine, c.bad);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MarkFileStops,
    ::testing::Values(
        LoadCase{"empty", QByteArray(), 0, false},
        LoadCase{"template", marks::newMarkTemplate(), 32, false},
        LoadCase{"more than 32 lines", marks::newMarkTemplate() + "99 garbage\r\n", 32, false},
        LoadCase{"third line starts with 5",
                 lines({mrt("11", 0x18), mrt("12", 0x18), mrt("51", 0x18)}), 2, true},
        LoadCase{"fragment 9", lines({mrt("19", 0x18)}), 0, true},
        LoadCase{"fragment 0", lines({mrt("10", 0x18)}), 0, true},
        LoadCase{"line 0", lines({mrt("01", 0x18)}), 0, true},
        LoadCase{"one character", lines({"1"}), 0, true},
        LoadCase{"high byte first", lines({mrt("\xB1\x31", 0x18)}), 0, true},
        LoadCase{"empty line stops", lines({mrt("11", 0x18), "", mrt("13", 0x18)}), 1, false},
        LoadCase{"no end on the last line", mrt("11", 0x18, "02\r\n") + mrt("12", 0x18, "02AB"), 2,
                 false},
        LoadCase{"lone LF", mrt("11", 0x18, "02A\n") + mrt("12", 0x18, "02B\n"), 2, false},
        LoadCase{"lone CR", mrt("11", 0x18, "02A\r") + mrt("12", 0x18, "02B\r"), 2, false},
        LoadCase{"zero byte ends a line",
                 mrt("11", 0x18, QByteArray("02A\0", 4)) + mrt("12", 0x18, "02B"), 2, false},
        LoadCase{"LF CR is an empty line", mrt("11", 0x18, "02A\n\r") + mrt("12", 0x18, "02B"), 1,
                 false},
        LoadCase{"two characters", lines({"11"}), 1, false}),
    byName);

struct LineCase {
    const char* name;
    QByteArray line;
    const char16_t* type;
    const char16_t* font;
    const char16_t* text;
    const char16_t* free;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class MarkFileLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(MarkFileLine, Cells) {
    const auto& c = GetParam();
    const auto parsed = marks::parseMarkFile(c.line + "\r\n");
    ASSERT_EQ(parsed.rows.size(), 1u);
    EXPECT_FALSE(parsed.badLine);
    EXPECT_EQ(parsed.rows[0].first, QString::fromLatin1(c.line.left(2)));
    const auto& cells = parsed.rows[0].second;
    EXPECT_EQ((Row{cells.type, cells.font, cells.text, cells.free}),
              (Row{u(c.type), u(c.font), u(c.text), u(c.free)}));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MarkFileLine,
    ::testing::Values(
        LineCase{"text", mrt("11", 0x18, "02ABC"), u"Текст", u" 02", u"ABC", u"41"},
        LineCase{"number", mrt("12", 0x19, "05"), u"Номер", u" 05", u"", u"44"},
        LineCase{"date", mrt("13", 0x1A, "00%d"), u"Дата/Время", u" 00", u"%d", u"42"},
        LineCase{"graphics", mrt("14", 0x1C, "01L1"), u"Графика", u" 01", u"L1", u"42"},
        LineCase{"post-date", mrt("15", 0x1D, "03"), u"ПостДата", u" 03", u"", u"44"},
        LineCase{"barcode", mrt("16", 0x10, "134600000000001"), u"ШтрихКод EAN", u" 13",
                 u"4600000000001", u"31"},
        LineCase{"unknown type", mrt("17", 0x07, "02x"), u"Текст", u" 02", u"x", u"43"},
        LineCase{"type byte 0x18", mrt("18", 0x18, "02"), u"Текст", u" 02", u"", u"44"},
        LineCase{"font 15", mrt("21", 0x18, "15"), u"Текст", u" #02", u"", u"44"},
        LineCase{"font 14", mrt("22", 0x18, "14"), u"Текст", u" #02", u"", u"44"},
        LineCase{"font 13", mrt("22", 0x18, "13"), u"Текст", u" 13", u"", u"44"},
        LineCase{"font 16", mrt("23", 0x18, "16"), u"Текст", u" #02", u"", u"44"},
        LineCase{"font 99", mrt("24", 0x18, "99"), u"Текст", u" #02", u"", u"44"},
        LineCase{"font -1", mrt("25", 0x18, "-1"), u"Текст", u" #02", u"", u"44"},
        LineCase{"font 07", mrt("26", 0x18, "07"), u"Текст", u" 07", u"", u"44"},
        LineCase{"font with a blank", mrt("27", 0x18, " 7"), u"Текст", u"  7", u"", u"44"},
        LineCase{"font not a number", mrt("28", 0x18, "xx"), u"Текст", u" xx", u"", u"44"},
        LineCase{"line of two characters", QByteArray("31"), u"Текст", u" ", u"", u"44"},
        LineCase{"Cyrillic text", mrt("32", 0x18, "02\xCF\xF0\xE8\xE2\xE5\xF2 \xB9\x35"), u"Текст",
                 u" 02", u"Привет №5", u"35"},
        LineCase{"fifty characters", mrt("48", 0x18, "02" + QByteArray(50, 'z')), u"Текст", u" 02",
                 u"zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz", u"-6"}),
    byName);

// Fonts up to 13 survive a save and a load; 14, 15 and a font that is none go back as 02.
TEST(MarkFile, FontsUpToThirteenSurviveOthersGoBackAsTwo) {
    MarkTable table;
    marks::applyParsedRows(
        marks::parseMarkFile(
            lines({mrt("11", 0x18, "15AB"), mrt("12", 0x18, "14"), mrt("13", 0x18, "17")})),
        table);
    EXPECT_EQ(marks::writeMarkFile(table).left(23),
              lines({mrt("11", 0x18, "02AB"), mrt("12", 0x18, "02"), mrt("13", 0x18, "02")}));
}

// A short line loads a one-character font cell; saved back it must not shift the text.
TEST(MarkFile, ShortFontFieldIsSavedAsTwoCharacters) {
    MarkTable table;
    marks::applyParsedRows(marks::parseMarkFile(lines({mrt("11", 0x18, ""), mrt("12", 0x18, "5")})),
                           table);
    EXPECT_EQ(table.cell(0, 2), " ");
    EXPECT_EQ(table.cell(1, 2), " 5");
    EXPECT_EQ(marks::writeMarkFile(table).left(14),
              lines({mrt("11", 0x18, "0 "), mrt("12", 0x18, " 5")}));
}

TEST(MarkFile, RoundTripKeepsEveryCell) {
    MarkTable table;
    table.setFragment(0, u(u"Номер"), " 05", u(u"Партия №12 «А»"));
    table.setFragment(13, u(u"ШтрихКод EAN"), " 11", "4600000000001");
    table.setFragment(30, u(u"Текст"), " 00", QString(44, QLatin1Char('W')));
    MarkTable loaded;
    loaded.setFragment(5, u(u"Графика"), " 09", "old");
    marks::applyParsedRows(marks::parseMarkFile(marks::writeMarkFile(table)), loaded);
    for (int row = 0; row < 32; ++row) {
        EXPECT_EQ(rowOf(loaded, row), rowOf(table, row)) << row;
        EXPECT_EQ(loaded.cell(row, 0), table.cell(row, 0));
    }
}

TEST(MarkFile, StatusTexts) {
    EXPECT_EQ(marks::loadedMarkStatus("tmpmark.mrt"), u(u"Марка: tmpmark.mrt"));
    const QString sixty = "/" + QString(54, QLatin1Char('a')) + "/b.mrt";
    ASSERT_EQ(sixty.size(), 61);
    const QString seventy = "/home/op" + QString(62, QLatin1Char('x'));
    ASSERT_EQ(seventy.size(), 70);
    EXPECT_EQ(marks::loadedMarkStatus(seventy), u(u"Марка:  ... ") + seventy.right(60));
    EXPECT_EQ(marks::loadedMarkStatus(seventy.left(60)), u(u"Марка: ") + seventy.left(60));
    EXPECT_EQ(marks::loadedMarkStatus(sixty), u(u"Марка:  ... ") + sixty.right(60));
    EXPECT_EQ(marks::savedMarkStatus(seventy), u(u"Марка: ") + seventy);
}

TEST(MarkFile, ExtensionAddedWhenMissing) {
    EXPECT_EQ(marks::withMarkExtension("/w/NAME"), "/w/NAME.mrt");
    EXPECT_EQ(marks::withMarkExtension("/w/NAME.mrt"), "/w/NAME.mrt");
    EXPECT_EQ(marks::withMarkExtension("/w/NAME.txt"), "/w/NAME.txt");
    EXPECT_EQ(marks::withMarkExtension("/w/NAME."), "/w/NAME.mrt");
    EXPECT_EQ(marks::withMarkExtension("/w.d/NAME"), "/w.d/NAME.mrt");
}

} // namespace
} // namespace nimbrel::testing
