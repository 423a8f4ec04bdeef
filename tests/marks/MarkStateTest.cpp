#include "marks/MarkState.h"
#include "MarksTestSupport.h"
#include "TestNames.h"

namespace nimbrel::testing {
namespace {

using marks::MarkState;
using marks::MarkTable;

TEST(MarkState, StartsWithNothingSelected) {
    MarkState state;
    EXPECT_EQ(state.selectedRow, -1);
    EXPECT_EQ(state.selectedFragment, "00");
    EXPECT_EQ(state.editor.typeText, u(u"Текст"));
    EXPECT_EQ(state.editor.fontText, u(u"Шрифт#02"));
    EXPECT_EQ(state.editor.fontIndex, 2);
    EXPECT_EQ(state.preview.size(), QSize(8192, 80));
    EXPECT_EQ(state.preview.pixel(100, 40), qRgb(255, 255, 255));
}

struct ClickCase {
    const char16_t* type;
    const char16_t* font;
    const char16_t* fontText;
    int fontIndex;
};

class RowClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(RowClick, LoadsTheEditor) {
    const auto& c = GetParam();
    MarkState state;
    state.table.setFragment(13, u(c.type), u(c.font), u(u"Годен до"));
    marks::loadRowIntoEditor(state, 13);
    EXPECT_EQ(state.selectedRow, 13);
    EXPECT_EQ(state.selectedFragment, "26");
    EXPECT_EQ(state.editor.typeText, u(c.type));
    EXPECT_EQ(state.editor.fontText, u(c.fontText));
    EXPECT_EQ(state.editor.fontIndex, c.fontIndex);
    EXPECT_EQ(state.editor.text, u(u"Годен до"));
}

INSTANTIATE_TEST_SUITE_P(Cells, RowClick,
                         ::testing::Values(ClickCase{u"Номер", u" 05", u"Шрифт# 05", 5},
                                           ClickCase{u"Текст", u" #02", u"Шрифт# #02", 2},
                                           ClickCase{u"?", u" 017", u"Шрифт# 017", -1},
                                           ClickCase{u" 007", u" 15", u"Шрифт# 15", 15},
                                           ClickCase{u"Текст", u"  7", u"Шрифт#  7", 7}),
                         [](const auto& info) {
                             return testName(info.param.type, info.param.font);
                         });

// A new selection loads the editor; the same row again keeps what the user typed.
TEST(SelectRow, LoadsTheEditorOnAChangeOnly) {
    MarkState state;
    state.table.setFragment(3, u(u"Номер"), " 07", "three");
    marks::selectRow(state, 3);
    EXPECT_EQ(state.selectedFragment, "14");
    EXPECT_EQ(state.editor.text, "three");
    state.editor.text = "typed";
    marks::selectRow(state, 3);
    EXPECT_EQ(state.editor.text, "typed");
    marks::selectRow(state, -1);
    EXPECT_EQ(state.selectedRow, -1);
    marks::selectRow(state, 32);
    EXPECT_EQ(state.selectedRow, -1);
    marks::selectRow(state, 3);
    EXPECT_EQ(state.editor.text, "three");
}

TEST(Change, WritesTheSelectedRowAndRedraws) {
    MarkState state;
    marks::loadRowIntoEditor(state, 4);
    state.editor.typeText = u(u"ПостДата");
    state.editor.fontText = u(u"Шрифт#11");
    state.editor.text = u(u"Годен до");
    const int revision = state.previewRevision;
    marks::applyEditorToRow(state);
    EXPECT_EQ(rowOf(state.table, 4), (Row{u(u"ПостДата"), " 11", u(u"Годен до"), "36"}));
    EXPECT_EQ(state.table.cell(4, 0), "15");
    EXPECT_EQ(state.previewRevision, revision + 1);
    EXPECT_NE(state.preview.pixel(2, 70), qRgb(255, 255, 255));
}

TEST(Change, FiftyCharactersKeepFortyFour) {
    MarkState state;
    marks::loadRowIntoEditor(state, 0);
    state.editor.text = QString(44, QLatin1Char('a')) + "bcdef";
    state.editor.text += "g";
    ASSERT_EQ(state.editor.text.size(), 50);
    marks::applyEditorToRow(state);
    EXPECT_EQ(state.table.cell(0, 3), QString(44, QLatin1Char('a')));
    EXPECT_EQ(state.table.cell(0, 4), "0");
}

// A clicked cell written back unchanged keeps its cells (the font as " " + two characters).
TEST(Change, ClickThenChangeKeepsTheRow) {
    MarkState state;
    state.table.setFragment(31, u(u"Графика"), " 09", "LOGO");
    marks::loadRowIntoEditor(state, 31);
    marks::applyEditorToRow(state);
    EXPECT_EQ(rowOf(state.table, 31), (Row{u(u"Графика"), " 09", "LOGO", "40"}));
}

TEST(Change, NothingWithoutASelectedRow) {
    MarkState state;
    state.editor.text = "zzz";
    marks::applyEditorToRow(state);
    for (int row = 0; row < 32; ++row)
        EXPECT_EQ(state.table.cell(row, 3), "");
    EXPECT_EQ(state.previewRevision, 0);
}

} // namespace
} // namespace nimbrel::testing
