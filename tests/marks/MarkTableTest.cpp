#include "marks/MarkTable.h"
#include "MarksTestSupport.h"

namespace nimbrel::testing {
namespace {

TEST(MarkTable, InitialContent) {
    marks::MarkTable table;
    ASSERT_EQ(table.rowCount(), 32);
    ASSERT_EQ(table.columnCount(), 5);
    const QStringList labels = {"11", "12", "13", "14", "15", "16", "17", "18", "21", "22", "23",
                                "24", "25", "26", "27", "28", "31", "32", "33", "34", "35", "36",
                                "37", "38", "41", "42", "43", "44", "45", "46", "47", "48"};
    for (int row = 0; row < 32; ++row) {
        EXPECT_EQ(table.data(table.index(row, 0)).toString(), labels[row]);
        EXPECT_EQ(rowOf(table, row), (Row{u(u"Текст"), " 02", "", "44"})) << row;
    }
}

TEST(MarkTable, Headers) {
    marks::MarkTable table;
    const QStringList expected = {u(u"Nфрг"), u(u"Функция"), u(u"Шрифт"), u(u"    Текст Фрагмента"),
                                  u(u"своб")};
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(table.headerData(c, Qt::Horizontal).toString(), expected[c]);
    EXPECT_FALSE(table.headerData(5, Qt::Horizontal).isValid());
    EXPECT_EQ(marks::MarkTable::columnWidths(), (std::array<int, 5>{50, 90, 50, 505, 40}));
}

TEST(MarkTable, CheckBoxPerRowInTheFirstColumn) {
    marks::MarkTable table;
    EXPECT_EQ(table.data(table.index(4, 0), Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_FALSE(table.data(table.index(4, 1), Qt::CheckStateRole).isValid());
    EXPECT_TRUE(table.flags(table.index(4, 0)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(table.flags(table.index(4, 3)) & Qt::ItemIsEditable);
    EXPECT_TRUE(table.setData(table.index(4, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(table.data(table.index(4, 0), Qt::CheckStateRole).toInt(), Qt::Checked);
    // The check box changes no cell.
    EXPECT_EQ(rowOf(table, 4), (Row{u(u"Текст"), " 02", "", "44"}));
    EXPECT_FALSE(table.setData(table.index(4, 3), "x", Qt::EditRole));
}

TEST(MarkTable, SetFragmentWritesTheFreeCount) {
    marks::MarkTable table;
    int changed = 0;
    QObject::connect(&table, &QAbstractItemModel::dataChanged, [&changed] { ++changed; });
    table.setFragment(9, u(u"Номер"), " 05", "ABCDE");
    EXPECT_EQ(rowOf(table, 9), (Row{u(u"Номер"), " 05", "ABCDE", "39"}));
    EXPECT_EQ(changed, 4);
    EXPECT_EQ(table.cell(9, 0), "22");
}

TEST(MarkTable, OutOfRangeCellsAreIgnored) {
    marks::MarkTable table;
    table.setCell(32, 3, "x");
    table.setCell(-1, 3, "x");
    table.setCell(0, 5, "x");
    EXPECT_EQ(table.cell(32, 3), QString());
    EXPECT_EQ(table.cell(0, 5), QString());
    EXPECT_FALSE(table.data(table.index(32, 0)).isValid());
}

} // namespace
} // namespace nimbrel::testing

namespace nimbrel::testing {
namespace {

// A barcode that cannot print as a valid code is marked in red and its tooltip says why; the
// text itself is shown as it is.
TEST(MarkTable, BarcodeCellsWithAProblemAreMarked) {
    struct Case {
        const char16_t* type;
        const char* text;
        const char16_t* tip; // nullptr: not marked
    };
    const Case cases[] = {
        {u"ШтрихКод EAN", "4006381333935", u"Неверная контрольная цифра: 5, должна быть 1"},
        {u"ШтрихКод EAN", "4006381333931", nullptr},
        {u"ШтрихКод EAN", "400638133393", nullptr},
        {u"ШтрихКод EAN", "40063813339312", u"EAN-13: не более 13 цифр (введено 14)"},
        {u"ШтрихКод EAN", "40063A", u"EAN-13: допускаются только цифры"},
        {u"Текст", "4006381333935", nullptr},
        {u"?", "4006381333935", nullptr},
    };
    marks::MarkTable table;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        table.setFragment(4, u(c.type), " 02", QString::fromLatin1(c.text));
        const QModelIndex text = table.index(4, 3);
        EXPECT_EQ(table.data(text).toString(), QString::fromLatin1(c.text));
        if (c.tip) {
            EXPECT_EQ(table.data(text, Qt::ToolTipRole).toString(), u(c.tip));
            EXPECT_EQ(table.data(text, Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
        } else {
            EXPECT_FALSE(table.data(text, Qt::ToolTipRole).isValid());
            EXPECT_FALSE(table.data(text, Qt::ForegroundRole).isValid());
        }
        // Only the text cell is marked.
        EXPECT_FALSE(table.data(table.index(4, 1), Qt::ForegroundRole).isValid());
    }
}

TEST(MarkTable, TypeChangeRepaintsTheTextCell) {
    marks::MarkTable table;
    table.setFragment(6, u(u"Текст"), " 02", "4006381333935");
    std::vector<std::pair<int, int>> columns;
    QObject::connect(&table, &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& from, const QModelIndex& to) {
                         columns.emplace_back(from.column(), to.column());
                     });
    table.setCell(6, 1, u(u"ШтрихКод EAN"));
    EXPECT_EQ(columns, (std::vector<std::pair<int, int>>{{1, 3}}));
}

} // namespace
} // namespace nimbrel::testing
