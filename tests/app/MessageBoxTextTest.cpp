#include "DialogTestSupport.h"

namespace nimbrel::app {
namespace {

using namespace dialogtest;

// Pure text helpers

struct LinesCase {
    const char* name;
    const char* text;
    QStringList lines;
};

class DisplayLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(DisplayLinesTest, SplitsAtEveryBreakForm) {
    EXPECT_EQ(displayLines(u(GetParam().text)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Breaks, DisplayLinesTest,
                         ::testing::Values(LinesCase{"LfCr", "один\n\rдва", {u("один"), u("два")}},
                                           LinesCase{"CrLf", "один\r\nдва", {u("один"), u("два")}},
                                           LinesCase{"LoneLf", "один\nдва", {u("один"), u("два")}},
                                           LinesCase{"LoneCr", "один\rдва", {u("один"), u("два")}},
                                           LinesCase{"TwoLfCr", "a\n\r\n\rb", {"a", "", "b"}},
                                           LinesCase{"ReportHeader",
                                                     "ПЕЧАТИ  ( T260 ) :\r\n\nЗаряд",
                                                     {u("ПЕЧАТИ  ( T260 ) :"), "", u("Заряд")}},
                                           LinesCase{"LfThenLfCr", "a\n\n\rb", {"a", "", "b"}},
                                           LinesCase{"LfCrThenCrLf", "a\n\r\r\nb", {"a", "", "b"}},
                                           LinesCase{"TwoCr", "a\r\rb", {"a", "", "b"}},
                                           LinesCase{"LeadingBreak", "\n\ra", {"", "a"}},
                                           LinesCase{"TrailingBreakClosesLine", "a\n\r", {"a"}},
                                           LinesCase{"TrailingEmptyLine", "a\n\r\n\r", {"a", ""}},
                                           LinesCase{"OnlyBreak", "\r\n", {""}},
                                           LinesCase{"Empty", "", {""}},
                                           LinesCase{"TabsAndBlanksKept",
                                                     "  Метка\t\t500  \n\r\tx",
                                                     {u("  Метка\t\t500  "), "\tx"}}),
                         caseName<LinesCase>);

TEST(MessageBoxClipboardText, LaysOutTitleTextAndButtonsBetweenRules) {
    const QString text =
        messageBoxClipboardText(u("СМЕЩЕНИЕ ДАТЫ"), u("Строка 1\n\rДата:\t07.12.2024\r\n\nконец"),
                                {u("Да"), u("Нет"), u("Отмена")});
    EXPECT_EQ(text, u("---------------------------\r\n"
                      "СМЕЩЕНИЕ ДАТЫ\r\n"
                      "---------------------------\r\n"
                      "Строка 1\n\rДата:\t07.12.2024\r\n\nконец\r\n"
                      "---------------------------\r\n"
                      "Да   Нет   Отмена\r\n"
                      "---------------------------\r\n"));
}

TEST(MessageBoxClipboardText, SingleButtonAndEmptyText) {
    EXPECT_EQ(messageBoxClipboardText("T", "", {"OK"}),
              QString("---------------------------\r\nT\r\n---------------------------\r\n\r\n"
                      "---------------------------\r\nOK\r\n---------------------------\r\n"));
}

TEST(MessageKind, UnknownButtonSetFallsBackToOk) {
    const MessageBoxLayout layout = messageBoxLayout(0x12); // abort/retry/ignore, error icon
    EXPECT_EQ(buttonTexts(layout), QStringList{"OK"});
    EXPECT_EQ(layout.icon, MessageIcon::Error);
}

// Tab stops: every character one unit wide, tab stops preferred at 8 units.

qreal oneUnitPerChar(const QString& run) {
    return static_cast<qreal>(run.size());
}

struct TabCase {
    const char* name;
    QStringList lines;
    qreal minimumGap;
    qreal expected;
};

class TabStopTest : public ::testing::TestWithParam<TabCase> {};

TEST_P(TabStopTest, ChoosesDistanceThatAlignsColumns) {
    EXPECT_EQ(chooseTabStopDistance(GetParam().lines, oneUnitPerChar, 8, GetParam().minimumGap),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TabStopTest,
    ::testing::Values(
        // 8 puts the values at 16 and 24; 9 aligns both at 18 with a gap of 1 after the long
        // label, 10 aligns them at 20 with a gap of 3.
        TabCase{"NearestAligned", {"xxxxx\t\t1", "xxxxxxxxxxxxxxxxx\t2"}, 0.5, 9},
        TabCase{"AvoidsTightGap", {"xxxxx\t\t1", "xxxxxxxxxxxxxxxxx\t2"}, 2, 10},
        TabCase{"AlreadyAligned", {"ab\t\t1", "abcdefghij\t2"}, 1, 8},
        TabCase{"NoTabs", {"abc", "defgh"}, 1, 8},
        // The values' column counts before the columns between: only 4 aligns the values
        // (at 8), while 8 would align the middle column instead.
        TabCase{"ValuesFirst", {"xxxx\tx\t1", "x\tx\t\t2"}, 1, 4}),
    caseName<TabCase>);

TEST(TabStops, IndentedSubItemValueJoinsTheLabelsValues) {
    // 6 puts both values at 24 and 10 both at 30; 8, 9 and 11 leave them a stop apart.
    const qreal tab = chooseTabStopDistance({"xxxxxxxxxxxxxxxxxxxx\t1", "\t\txxxxxxxxx\t2"},
                                            oneUnitPerChar, 8, 1);
    EXPECT_THAT(tab, ::testing::AnyOf(6.0, 10.0));
}

TEST(TabStops, StaysWithinHalfToTwicePreferred) {
    // Only a distance above 20 could align these; the choice stays at most twice 8.
    const qreal tab =
        chooseTabStopDistance({"x\t1", "xxxxxxxxxxxxxxxxxxxx\t2"}, oneUnitPerChar, 8, 1);
    EXPECT_GE(tab, 4);
    EXPECT_LE(tab, 16);
}

// Area maps: every cell and the "|" in fixed columns; other lines as they are.
TEST(ShownLines, GridRowsGetFixedColumns) {
    const QStringList lines{u("ЗАПОЛНЕНИЕ ГРАФИЧЕСКОЙ ОБЛАСТИ МАРКИРАТОРА:"), "",
                            "---  005 ---  ---  ---  ---  ---  ---    | 000:007",
                            "008 009 010 011 012 013 014 015   | 008:015", "Not\ta grid"};
    const auto shown = shownLines(lines);
    ASSERT_EQ(shown.size(), 5);
    EXPECT_FALSE(shown[0].grid);
    EXPECT_EQ(shown[0].text, lines[0]);
    EXPECT_FALSE(shown[1].grid);
    EXPECT_TRUE(shown[2].grid);
    EXPECT_EQ(shown[2].text, "---  005  ---  ---  ---  ---  ---  ---  | 000:007");
    EXPECT_EQ(shown[3].text, "008  009  010  011  012  013  014  015  | 008:015");
    EXPECT_FALSE(shown[4].grid);
    EXPECT_EQ(shown[4].text, "Not\ta grid");
}

TEST(ShownLines, MarkRowsOfTenAndSixCells) {
    const QStringList lines{"--    01   --    --    --    --    --    --    --    09   \t| 00:09",
                            "80   --    --    --    --    85   \t\t| 80:85",
                            "80   --    --    --    --    85   \t\t\t| 80:85   "};
    const auto shown = shownLines(lines);
    EXPECT_EQ(shown[0].text, "--  01  --  --  --  --  --  --  --  09  | 00:09");
    EXPECT_EQ(shown[1].text, "80  --  --  --  --  85                  | 80:85");
    EXPECT_EQ(shown[2].text, shown[1].text);
    for (const auto& line : shown)
        EXPECT_TRUE(line.grid);
}

TEST(ShownLines, FewCellsOrOtherTextIsNoGrid) {
    for (const char* line : {"01   02   03   | 00:02", "Шрифт:   03", "abc 001 | 000:001",
                             "---  ---  ---  ---  ---  ---  ---  ---  | x"})
        EXPECT_FALSE(shownLines({u(line)}).at(0).grid) << line;
}

} // namespace
} // namespace nimbrel::app
