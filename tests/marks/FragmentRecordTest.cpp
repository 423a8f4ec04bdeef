#include "marks/FragmentRecord.h"
#include "MarksTestSupport.h"
#include "TestNames.h"

namespace nimbrel::testing {
namespace {

TEST(FragmentReadCommand, FourBytes) {
    EXPECT_EQ(marks::fragmentReadCommand(2, 3), bytes({0x11, 0x32, 0x33, 0x0E}));
    EXPECT_EQ(marks::fragmentReadCommand(3, 8), bytes({0x11, 0x33, 0x38, 0x0E}));
    EXPECT_EQ(marks::fragmentReadCommand(1, 1), bytes({0x11, 0x31, 0x31, 0x0E}));
}

struct ReportCase {
    const char* name;
    QByteArray reply;
    const char16_t* text;
};

void PrintTo(const ReportCase& c, std::ostream* os) {
    *os << c.name;
}

class FragmentReportTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(FragmentReportTest, Text) {
    QByteArray reply = GetParam().reply;
    reply.resize(8192, '\0');
    EXPECT_EQ(marks::fragmentReport(1, 2, reply), u(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, FragmentReportTest,
    ::testing::Values(
        ReportCase{"worked example", bytes({0x19, 0x03, 0x02, 0x31, 0x32}),
                   u"ФРАГМЕНТ #12:\r\n\nФункция: БЕГУЩИЙ НОМЕР\n\rШрифт:   03\n\rТекст:   '12'."},
        ReportCase{"barcode", bytes({0x10, 0x0C, 0x03}) + "460",
                   u"ФРАГМЕНТ #12:\r\n\nФункция: ШтрихКод EAN13\n\rШрифт:   12\n\rТекст:   '460'."},
        ReportCase{"text", bytes({0x18, 0x00, 0x02}) + "\xC0\xE1",
                   u"ФРАГМЕНТ #12:\r\n\nФункция: ТЕКСТ\n\rШрифт:   00\n\rТекст:   'Аб'."},
        ReportCase{"date", bytes({0x1A, 0x0F, 0x00}),
                   u"ФРАГМЕНТ #12:\r\n\nФункция: ДАТА+ВРЕМЯ\n\rШрифт:   15\n\rТекст:   <нет>"},
        ReportCase{"graphics", bytes({0x1C, 0x01, 0x01}) + "L",
                   u"ФРАГМЕНТ #12:\r\n\nФункция: ГРАФИКА\n\rШрифт:   01\n\rТекст:   'L'."},
        ReportCase{"post-date", bytes({0x1D, 0x64, 0x00}),
                   u"ФРАГМЕНТ #12:\r\n\nФункция: ПОСТ-ДАТА\n\rШрифт:   100\n\rТекст:   <нет>"},
        ReportCase{"unknown type", bytes({0x07, 0x02, 0x01}) + "x",
                   u"ФРАГМЕНТ #12:\r\n\nФункция: <неизвестна>\n\rШрифт:   02\n\rТекст:   'x'."},
        ReportCase{"length 128 and above is no text", bytes({0x18, 0x02, 0x80}) + "abc",
                   u"ФРАГМЕНТ #12:\r\n\nФункция: ТЕКСТ\n\rШрифт:   02\n\rТекст:   <нет>"},
        ReportCase{"text ends early at a zero", bytes({0x18, 0x02, 0x06, 'a', 'b', 0, 'c'}),
                   u"ФРАГМЕНТ #12:\r\n\nФункция: ТЕКСТ\n\rШрифт:   02\n\rТекст:   'ab'."},
        ReportCase{"length counts", bytes({0x18, 0x02, 0x02}) + "abcdef",
                   u"ФРАГМЕНТ #12:\r\n\nФункция: ТЕКСТ\n\rШрифт:   02\n\rТекст:   'ab'."},
        ReportCase{"nothing arrived", QByteArray(),
                   u"ФРАГМЕНТ #12:\r\n\nФункция: <неизвестна>\n\rШрифт:   00\n\rТекст:   <нет>"}),
    byName);

TEST(FragmentReport, ShortReplyWithoutPadding) {
    EXPECT_EQ(marks::fragmentReport(4, 8, bytes({0x18, 0x02, 0x05, 'a'})),
              u(u"ФРАГМЕНТ #48:\r\n\nФункция: ТЕКСТ\n\rШрифт:   02\n\rТекст:   'a'."));
}

struct WriteCase {
    const char* name;
    marks::FragmentEdit edit;
    QByteArray command;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

class FragmentWriteCommandTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(FragmentWriteCommandTest, Bytes) {
    EXPECT_EQ(marks::fragmentWriteCommand(GetParam().edit), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, FragmentWriteCommandTest,
    ::testing::Values(WriteCase{"empty text",
                                {"11", u(u"Текст"), u(u"Шрифт#02"), ""},
                                bytes({0x18, 0x31, 0x31, 0x32, 0x0E})},
                      WriteCase{"barcode font 12",
                                {"24", u(u"ШтрихКод EAN"), u(u"Шрифт#12"), "123"},
                                bytes({0x10, 0x32, 0x34, 0x3C, 0x31, 0x32, 0x33, 0x0E})},
                      WriteCase{"before any click",
                                {"00", u(u"Номер"), u(u"Шрифт#00"), "7"},
                                bytes({0x19, 0x30, 0x30, 0x30, 0x37, 0x0E})},
                      WriteCase{"font cell form",
                                {"38", u(u"Дата/Время"), u(u"Шрифт# 017"), ""},
                                bytes({0x1A, 0x33, 0x38, 0x41, 0x0E})},
                      WriteCase{"graphics",
                                {"41", u(u"Графика"), u(u"Шрифт#15"), "L"},
                                bytes({0x1C, 0x34, 0x31, 0x3F, 0x4C, 0x0E})},
                      WriteCase{"post-date",
                                {"42", u(u"ПостДата"), u(u"Шрифт#01"), ""},
                                bytes({0x1D, 0x34, 0x32, 0x31, 0x0E})},
                      WriteCase{"unknown type is text",
                                {"12", "?", u(u"Шрифт#03"), u(u"Жё")},
                                bytes({0x18, 0x31, 0x32, 0x33, 0xC6, 0xB8, 0x0E})},
                      WriteCase{"barcode text not filled",
                                {"13", u(u"ШтрихКод EAN"), u(u"Шрифт#02"), "1"},
                                bytes({0x10, 0x31, 0x33, 0x32, 0x31, 0x0E})}),
    byName);

TEST(FragmentWriteQuestion, Text) {
    const marks::FragmentEdit edit{"23", u(u"ПостДата"), u(u"Шрифт#07"), u(u"Годен до")};
    EXPECT_EQ(
        marks::fragmentWriteQuestion(edit),
        u(u"ИЗМЕНИТЬ ФРАГМЕНТ # 23 ?\n\rфункция:\tПостДата\n\rшрифт:\t07\n\rтекст:\tГоден до"));
}

} // namespace
} // namespace nimbrel::testing
