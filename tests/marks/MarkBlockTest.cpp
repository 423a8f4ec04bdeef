#include "marks/MarkBlock.h"
#include "MarksTestSupport.h"
#include "TestNames.h"

namespace nimbrel::testing {
namespace {

using marks::MarkTable;
using marks::ReadForm;

QByteArray record(std::initializer_list<int> head, const QByteArray& text = {}) {
    QByteArray r = bytes(head) + text;
    r.resize(48, '\0');
    return r;
}

TEST(MarkCommands, FiveBytes) {
    EXPECT_EQ(marks::readMarkCommand(0), bytes({0x0F, 0x72, 0x30, 0x30, 0x0E}));
    EXPECT_EQ(marks::readMarkCommand(5), bytes({0x0F, 0x72, 0x30, 0x35, 0x0E}));
    EXPECT_EQ(marks::writeMarkCommand(85), bytes({0x0F, 0x74, 0x38, 0x35, 0x0E}));
    EXPECT_EQ(marks::writeMarkCommand(12), bytes({0x0F, 0x74, 0x31, 0x32, 0x0E}));
}

TEST(MarkBlockEncoder, EmptyTableHeaders) {
    MarkTable table;
    const auto encoded = marks::encodeMarkBlock(table);
    ASSERT_TRUE(encoded.ok());
    ASSERT_EQ(encoded.block.size(), 1536);
    for (int r = 0; r < 32; ++r)
        EXPECT_EQ(encoded.block.mid(r * 48, 48), record({0x18, 0x02, 0x00})) << r;
}

TEST(MarkBlockEncoder, FontZeroAndText) {
    MarkTable table;
    table.setFragment(0, u(u"Текст"), " 00", "ABC");
    const auto encoded = marks::encodeMarkBlock(table);
    EXPECT_EQ(encoded.block.left(48),
              bytes({0x18, 0x00, 0x03, 0x41, 0x42, 0x43}) + QByteArray(42, '\0'));
}

// Records go by fragment position first, line second.
TEST(MarkBlockEncoder, RecordOrder) {
    MarkTable table;
    for (int line = 1; line <= 4; ++line)
        for (int fragment = 1; fragment <= 8; ++fragment)
            table.setFragment((line - 1) * 8 + fragment - 1, u(u"Номер"), " 01",
                              QString::number(line) + QString::number(fragment));
    const auto encoded = marks::encodeMarkBlock(table);
    ASSERT_TRUE(encoded.ok());
    const QList<QByteArray> order = {"11", "21", "31", "41", "12", "22", "32", "42",
                                     "13", "23", "33", "43", "14", "24", "34", "44",
                                     "15", "25", "35", "45", "16", "26", "36", "46",
                                     "17", "27", "37", "47", "18", "28", "38", "48"};
    for (int r = 0; r < 32; ++r)
        EXPECT_EQ(encoded.block.mid(r * 48, 48), record({0x19, 0x01, 0x02}, order[r])) << r;
}

TEST(MarkBlockEncoder, EveryTypeAndCyrillic) {
    MarkTable table;
    table.setFragment(0, u(u"Дата/Время"), " 03", "%d.%m");
    table.setFragment(8, u(u"Графика"), " 15", "LOGO");
    table.setFragment(16, u(u"ПостДата"), " #02", "");
    table.setFragment(24, u(u"Текст"), " 017", u(u"Срок №1"));
    table.setFragment(1, "?", " 02", "q");
    table.setFragment(2, " 007", " 02", "r");
    const QByteArray block = marks::encodeMarkBlock(table).block;
    EXPECT_EQ(block.mid(0 * 48, 48), record({0x1A, 0x03, 0x05}, "%d.%m"));
    EXPECT_EQ(block.mid(1 * 48, 48), record({0x1C, 0x0F, 0x04}, "LOGO"));
    EXPECT_EQ(block.mid(2 * 48, 48), record({0x1D, 0x02, 0x00}));
    EXPECT_EQ(block.mid(3 * 48, 48), record({0x18, 0x11, 0x07}, "\xD1\xF0\xEE\xEA \xB9\x31"));
    EXPECT_EQ(block.mid(4 * 48, 48), record({0x18, 0x02, 0x01}, "q"));
    EXPECT_EQ(block.mid(8 * 48, 48), record({0x18, 0x02, 0x01}, "r"));
}

TEST(MarkBlockEncoder, BarcodeIsMadeThirteenDigits) {
    MarkTable table;
    table.setFragment(0, u(u"ШтрихКод EAN"), " 12", "123");
    table.setFragment(1, u(u"ШтрихКод EAN"), " 12", "460000000000123");
    table.setFragment(2, u(u"ШтрихКод EAN"), " 12", "");
    // Too long for a record, but a barcode keeps only 13 characters.
    table.setFragment(3, u(u"ШтрихКод EAN"), " 12", QString(50, QLatin1Char('9')));
    const auto encoded = marks::encodeMarkBlock(table);
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(encoded.block.mid(0, 48), record({0x10, 0x0C, 0x0D}, "1230000000000"));
    EXPECT_EQ(encoded.block.mid(4 * 48, 48), record({0x10, 0x0C, 0x0D}, "4600000000001"));
    EXPECT_EQ(encoded.block.mid(8 * 48, 48), record({0x10, 0x0C, 0x0D}, "0000000000000"));
    EXPECT_EQ(encoded.block.mid(12 * 48, 48), record({0x10, 0x0C, 0x0D}, "9999999999999"));
}

TEST(MarkBlockEncoder, FortyFourFitsFortyFiveIsRefused) {
    MarkTable table;
    table.setFragment(0, u(u"Текст"), " 02", QString(44, QLatin1Char('a')));
    auto encoded = marks::encodeMarkBlock(table);
    ASSERT_TRUE(encoded.ok());
    // At least one zero byte follows the longest text.
    EXPECT_EQ(encoded.block.mid(0, 48), record({0x18, 0x02, 44}, QByteArray(44, 'a')));
    EXPECT_EQ(encoded.block.mid(48, 48), record({0x18, 0x02, 0x00}));

    table.setFragment(31, u(u"Текст"), " 02", QString(45, QLatin1Char('b')));
    table.setFragment(9, u(u"Текст"), " 02", QString(60, QLatin1Char('c')));
    encoded = marks::encodeMarkBlock(table);
    EXPECT_FALSE(encoded.ok());
    EXPECT_TRUE(encoded.block.isEmpty());
    EXPECT_EQ(encoded.tooLongRows, (std::vector<int>{9, 31}));
}

struct CellCase {
    const char* name;
    QByteArray rec;
    Row numbered;
    Row current;
};

void PrintTo(const CellCase& c, std::ostream* os) {
    *os << c.name;
}

class MarkBlockDecoder : public ::testing::TestWithParam<CellCase> {};

// The record is the first one (line 1, fragment 1: table row 0).
TEST_P(MarkBlockDecoder, BothReadForms) {
    const auto& c = GetParam();
    const QByteArray reply = c.rec + QByteArray(2048 - c.rec.size(), '\0');
    const auto numbered = marks::decodeMarkBlock(reply, ReadForm::Numbered)[0];
    const auto current = marks::decodeMarkBlock(reply, ReadForm::Current)[0];
    EXPECT_EQ((Row{numbered.type, numbered.font, numbered.text, numbered.free}), c.numbered);
    EXPECT_EQ((Row{current.type, current.font, current.text, current.free}), c.current);
}

INSTANTIATE_TEST_SUITE_P(
    Records, MarkBlockDecoder,
    ::testing::Values(
        CellCase{"text",
                 record({0x18, 0x02, 0x03}, "ABC"),
                 {u(u"Текст"), " 02", "ABC", "41"},
                 {u(u"Текст"), " 02", "ABC", "41"}},
        CellCase{"barcode",
                 record({0x10, 0x0C, 0x0D}, "4600000000001"),
                 {u(u"ШтрихКод EAN"), " 12", "4600000000001", "31"},
                 {u(u"ШтрихКод EAN"), " 12", "4600000000001", "31"}},
        CellCase{"unknown code 7",
                 record({0x07, 0x02, 0x01}, "x"),
                 {"?", " 02", "x", "43"},
                 {" 007", " 02", "x", "43"}},
        CellCase{"code 255",
                 record({0xFF, 0x02, 0x00}),
                 {"?", " 02", "", "44"},
                 {" 255", " 02", "", "44"}},
        CellCase{"font 15",
                 record({0x19, 0x0F, 0x00}),
                 {u(u"Номер"), " 15", "", "44"},
                 {u(u"Номер"), " 15", "", "44"}},
        CellCase{"font 16",
                 record({0x19, 0x10, 0x00}),
                 {u(u"Номер"), " 16", "", "44"},
                 {u(u"Номер"), " 016", "", "44"}},
        CellCase{"font 200",
                 record({0x19, 0xC8, 0x00}),
                 {u(u"Номер"), " 200", "", "44"},
                 {u(u"Номер"), " 200", "", "44"}},
        CellCase{"length 0 hides the text",
                 record({0x18, 0x00, 0x00}, "ZZ"),
                 {u(u"Текст"), " 00", "", "44"},
                 {u(u"Текст"), " 00", "", "44"}},
        CellCase{"length 44",
                 record({0x18, 0x01, 44}, QByteArray(44, 'w')),
                 {u(u"Текст"), " 01", QString(44, QLatin1Char('w')), "0"},
                 {u(u"Текст"), " 01", QString(44, QLatin1Char('w')), "0"}},
        CellCase{"length 45 is cut to 44",
                 record({0x18, 0x01, 45}, QByteArray(45, 'w')),
                 {u(u"Текст"), " 01", QString(44, QLatin1Char('w')), "0"},
                 {u(u"Текст"), " 01", QString(44, QLatin1Char('w')), "0"}},
        CellCase{"length 200: signed in the numbered read",
                 record({0x18, 0x01, 200}, QByteArray(45, 'w')),
                 {u(u"Текст"), " 01", "", "44"},
                 {u(u"Текст"), " 01", QString(44, QLatin1Char('w')), "0"}},
        CellCase{"text ends at a zero byte",
                 record({0x18, 0x02, 10}, QByteArray("ABCDE\0XYZ", 9)),
                 {u(u"Текст"), " 02", "ABCDE", "39"},
                 {u(u"Текст"), " 02", "ABCDE", "39"}},
        CellCase{"Cyrillic and byte 98",
                 record({0x18, 0x02, 0x04}, "\xC0\xFF\x98\xB8"),
                 {u(u"Текст"), " 02", u(u"Ая\uFFFDё"), "40"},
                 {u(u"Текст"), " 02", u(u"Ая\uFFFDё"), "40"}},
        CellCase{"all zero", record({}), {"?", " 00", "", "44"}, {" 000", " 00", "", "44"}}),
    byName);

TEST(MarkBlockDecoder, RecordOneIsLineTwoFragmentOne) {
    QByteArray reply(2048, '\0');
    reply.replace(48, 48, record({0x18, 0x02, 0x02}, "XY"));
    reply.replace(4 * 48, 48, record({0x18, 0x02, 0x02}, "PQ"));
    reply.replace(31 * 48, 48, record({0x18, 0x02, 0x02}, "ZZ"));
    const auto rows = marks::decodeMarkBlock(reply, ReadForm::Numbered);
    EXPECT_EQ(rows[8].text, "XY");
    EXPECT_EQ(rows[1].text, "PQ");
    EXPECT_EQ(rows[31].text, "ZZ");
    EXPECT_EQ(rows[0].text, "");
}

// Records beyond a short reply read as zero bytes.
TEST(MarkBlockDecoder, ShortReply) {
    const QByteArray reply = record({0x18, 0x02, 0x01}, "A") + bytes({0x19, 0x03});
    const auto rows = marks::decodeMarkBlock(reply, ReadForm::Numbered);
    EXPECT_EQ(rows[0].text, "A");
    EXPECT_EQ(rows[8].type, u(u"Номер"));
    EXPECT_EQ(rows[8].font, " 03");
    EXPECT_EQ(rows[8].text, "");
    EXPECT_EQ(rows[31].type, "?");
    EXPECT_EQ(marks::decodeMarkBlock(reply, ReadForm::Current)[31].type, " 000");
    EXPECT_EQ(marks::decodeMarkBlock(QByteArray(), ReadForm::Current)[0].font, " 00");
}

TEST(MarkBlock, EmptyMarkIsAFirstByteOfZero) {
    EXPECT_TRUE(marks::isEmptyMark(QByteArray(2048, '\0')));
    EXPECT_TRUE(marks::isEmptyMark(QByteArray()));
    EXPECT_TRUE(marks::isEmptyMark(bytes({0x00, 0x18})));
    EXPECT_FALSE(marks::isEmptyMark(bytes({0x18})));
}

TEST(MarkBlock, WriteThenReadGivesTheSameCells) {
    MarkTable table;
    table.setFragment(0, u(u"Номер"), " 05", u(u"Партия"));
    table.setFragment(12, u(u"ШтрихКод EAN"), " 11", "4600000000001");
    table.setFragment(23, u(u"ПостДата"), " 09", "%d%m");
    table.setFragment(30, u(u"Графика"), " 15", "LOGO7");
    const auto rows =
        marks::decodeMarkBlock(marks::encodeMarkBlock(table).block, ReadForm::Numbered);
    for (int row = 0; row < 32; ++row) {
        const auto& c = rows[row];
        EXPECT_EQ((Row{c.type, c.font, c.text, c.free}), rowOf(table, row)) << row;
    }
}

} // namespace
} // namespace nimbrel::testing
