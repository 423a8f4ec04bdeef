#include "PrinterTestSupport.h"
#include "TestNames.h"
#include "printer/ClockCommands.h"
#include "printer/LineCount.h"

namespace nimbrel::testing {
namespace {

TEST(ClockCommands, WorkedExample) {
    const QDateTime at(QDate(2019, 5, 31), QTime(14, 5, 9));
    EXPECT_EQ(printer::setDateCommand(printer::dateDigits(at)), QByteArray("\x1A\x44"
                                                                           "310519\x0E"));
    EXPECT_EQ(printer::setTimeCommand(printer::timeDigits(at)), QByteArray("\x1A\x54"
                                                                           "140509\x0E"));
    EXPECT_EQ(printer::clockQuestionText(at),
              u(u"Установить время по Компьютеру?\n\rДата:  31.05.2019\tВремя:  14:05:09"));
    EXPECT_EQ(printer::clockProposedText(at), QStringLiteral("310519 140509"));
}

TEST(ClockCommands, DigitsArePadded) {
    const QDateTime at(QDate(2005, 1, 2), QTime(3, 4, 5));
    EXPECT_EQ(printer::dateDigits(at), QStringLiteral("020105"));
    EXPECT_EQ(printer::timeDigits(at), QStringLiteral("030405"));
    EXPECT_EQ(printer::clockQuestionText(at),
              u(u"Установить время по Компьютеру?\n\rДата:  02.01.2005\tВремя:  03:04:05"));
}

TEST(ClockCommands, TypedDigitsSentUnchanged) {
    EXPECT_EQ(printer::setDateCommand(QStringLiteral("320519")), QByteArray("\x1A\x44"
                                                                            "320519\x0E"));
    EXPECT_EQ(printer::setTimeCommand(QStringLiteral("2561ab")), QByteArray("\x1A\x54"
                                                                            "2561ab\x0E"));
}

struct SplitCase {
    const char16_t* typed;
    bool ok;
    const char16_t* date;
    const char16_t* time;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    ::PrintTo(u(c.typed), os);
}

class SplitTypedClockTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTypedClockTest, ThirteenCharacters) {
    const auto& c = GetParam();
    QString date;
    QString time;
    ASSERT_EQ(printer::splitTypedClock(u(c.typed), date, time), c.ok);
    if (c.ok) {
        EXPECT_EQ(date, u(c.date));
        EXPECT_EQ(time, u(c.time));
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, SplitTypedClockTest,
                         ::testing::Values(SplitCase{u"010120 120000", true, u"010120", u"120000"},
                                           SplitCase{u"010120x120000", true, u"010120", u"120000"},
                                           SplitCase{u"abcdefghijklm", true, u"abcdef", u"hijklm"},
                                           SplitCase{u"ДДММГГ ЧЧММСС", true, u"ДДММГГ", u"ЧЧММСС"},
                                           SplitCase{u"010120\U0001F600120000", true, u"010120",
                                                     u"120000"},
                                           SplitCase{u"010120120000", false, nullptr, nullptr},
                                           SplitCase{u"010120  120000", false, nullptr, nullptr},
                                           SplitCase{u" ", false, nullptr, nullptr}),
                         [](const auto& info) { return testName(info.param.typed); });

TEST(DateOffsetCommand, FourDigits) {
    EXPECT_EQ(printer::dateOffsetCommand(7), QByteArray("\x1D\x44\x30\x30\x30\x37\x0E"));
    EXPECT_EQ(printer::dateOffsetCommand(30), QByteArray("\x1D\x44"
                                                         "0030\x0E"));
    EXPECT_EQ(printer::dateOffsetCommand(0), QByteArray("\x1D\x44"
                                                        "0000\x0E"));
    EXPECT_EQ(printer::dateOffsetCommand(9999), QByteArray("\x1D\x44"
                                                           "9999\x0E"));
}

TEST(DateOffsetCommand, PostDate) {
    const QDate today(2019, 12, 31);
    EXPECT_EQ(printer::postDateText(today, 0), QStringLiteral("31.12.2019"));
    EXPECT_EQ(printer::postDateText(today, 1), QStringLiteral("01.01.2020"));
    EXPECT_EQ(printer::postDateText(QDate(2020, 2, 22), 7), QStringLiteral("29.02.2020"));
    EXPECT_EQ(printer::postDateText(today, 9999), QStringLiteral("17.05.2047"));
    EXPECT_EQ(
        printer::postDateQuestionText(QStringLiteral("07.06.2019")),
        u(u"УСТАНОВИТЬ ПОСТ-ДАТУ:  07.06.2019 ?\n\r('нет'- повторить ввод, 'выход'- отмена)"));
}

TEST(LineCount, DefaultAnswerFromSignedByte1) {
    const std::vector<std::pair<int, QString>> cases = {
        {1, "1"}, {2, "2"},   {3, "3"},    {4, "4"},    {0, "?"},
        {5, "?"}, {127, "?"}, {0x80, "?"}, {0xFF, "?"}, {0x81, "?"},
    };
    for (const auto& [byte, text] : cases)
        EXPECT_EQ(printer::lineCountDefault(bytes({0x03, byte})), text) << byte;
    EXPECT_EQ(printer::lineCountDefault(bytes({0x03})), QStringLiteral("?"));
}

TEST(LineCount, LimitTitleAndPromptByModel) {
    EXPECT_EQ(printer::lineCountLimit("T260"), 4);
    EXPECT_EQ(printer::lineCountTitle("T260"), u(u"НАСТРОЙКА МАРКИРАТОРА  T260"));
    EXPECT_EQ(printer::lineCountPrompt("T260"), u(u"Введите Число Строк Печати (1..4)"));
    for (const char* model : {"T236", "T936", "T75Z", "t260", ""}) {
        EXPECT_EQ(printer::lineCountLimit(model), 2) << model;
        EXPECT_EQ(printer::lineCountPrompt(model), u(u"Введите Число Строк Печати (1..2)"));
        EXPECT_EQ(printer::lineCountTitle(model),
                  u(u"НАСТРОЙКА МАРКИРАТОРА  ") + QString::fromLatin1(model));
    }
}

TEST(LineCount, CommandCarriesTextAsTyped) {
    EXPECT_EQ(printer::setLineCountCommand(QStringLiteral("2")), QByteArray("\x0C\x53\x32\x0E"));
    EXPECT_EQ(printer::setLineCountCommand(QStringLiteral(" 2")), QByteArray("\x0C\x53 2\x0E"));
    EXPECT_EQ(printer::setLineCountCommand(QStringLiteral("$3x")), QByteArray("\x0C\x53$3x\x0E"));
}

} // namespace
} // namespace nimbrel::testing
