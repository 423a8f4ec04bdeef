#include "printer/Counters.h"
#include "PrinterTestSupport.h"
#include "printer/Version.h"

namespace nimbrel::testing {
namespace {

using printer::counterText;

struct CounterCase {
    const char* name;
    QByteArray reply;
    int digits;
    bool tenths;
    const char* expected;
};

class CounterTextTest : public ::testing::TestWithParam<CounterCase> {};

TEST_P(CounterTextTest, BuildsNumberText) {
    const auto& c = GetParam();
    EXPECT_EQ(counterText(c.reply, 1, c.digits, c.tenths), QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Counters, CounterTextTest,
    ::testing::Values(
        CounterCase{"HoursWorkedExample", bytes({0x55, 0, 1, 23, 45}), 4, true, "1234.5"},
        CounterCase{"HoursAllZero", bytes({0x55, 0, 0, 0, 0}), 4, true, "0.0"},
        CounterCase{"HoursLastPairZero", bytes({0x55, 0, 0, 7, 0}), 4, true, "70.0"},
        CounterCase{"HoursNoLeadingZero", bytes({0x55, 1, 2, 3, 4}), 4, true, "102030.4"},
        CounterCase{"HoursLargest", bytes({0x55, 99, 99, 99, 99}), 4, true, "9999999.9"},
        CounterCase{"MarksWorkedExample", bytes({0x55, 0, 0, 0, 0, 1, 5}), 6, false, "105"},
        CounterCase{"MarksOnlyLastDigit", bytes({0x55, 0, 0, 0, 0, 0, 7}), 6, false, "07"},
        CounterCase{"FiveAfterNonZeroIsTwoDigits", bytes({0x55, 0, 0, 0, 3, 5, 0}), 6, false,
                    "30500"},
        CounterCase{"ZeroInsideNumberKept", bytes({0x55, 0, 12, 0, 0, 0, 9}), 6, false,
                    "1200000009"},
        CounterCase{"MarksAllZero", bytes({0x55, 0, 0, 0, 0, 0, 0}), 6, false, "00"},
        CounterCase{"ByteZeroIgnored", bytes({99, 0, 0, 0, 0, 0, 1}), 6, false, "01"},
        CounterCase{"ShortReplyMissingDigitsAreZero", bytes({0x55, 0, 4}), 4, true, "4000.0"},
        CounterCase{"EmptyReply", QByteArray(), 4, true, "0.0"},
        CounterCase{"BadLeadingDigit", bytes({0x55, 0, 100, 1, 2}), 4, true, "??010.2"},
        CounterCase{"BadMiddleDigit", bytes({0x55, 0, 0, 0, 3, 0xFF, 1}), 6, false, "3??01"},
        CounterCase{"BadLastMarksDigit", bytes({0x55, 0, 0, 0, 0, 1, 200}), 6, false, "1??"},
        CounterCase{"BadLastHoursDigit", bytes({0x55, 0, 0, 2, 100}), 4, true, "2?.?"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CounterMessages, WorkingHoursText) {
    EXPECT_EQ(printer::workingHoursText(bytes({0x06, 0, 1, 23, 45})),
              u(u"  Маркиратор отработал 1234.5 часов. "));
}

TEST(CounterMessages, PrintedCountText) {
    EXPECT_EQ(printer::printedCountText(bytes({0x06, 0, 0, 0, 0, 1, 5})),
              u(u"  Маркиратор отпечатал 105 марок. "));
}

struct VersionCase {
    const char* name;
    QByteArray reply;
    bool empty;
    QString model;
    QString shown;
};

class VersionReplyTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionReplyTest, SplitsModelAndText) {
    const auto& c = GetParam();
    EXPECT_EQ(printer::isEmptyVersion(c.reply), c.empty);
    if (c.empty)
        return;
    EXPECT_EQ(printer::modelFromVersion(c.reply), c.model);
    EXPECT_EQ(printer::versionText(c.reply), c.shown);
    EXPECT_EQ(printer::versionMessageText(c.reply),
              u(u"Версия Программы Системы Печати:\n\r'") + c.shown + QStringLiteral("'"));
}

INSTANTIATE_TEST_SUITE_P(
    Version, VersionReplyTest,
    ::testing::Values(VersionCase{"Plain", QByteArray("\x06T936 v4.07 12.03.2019", 22), false,
                                  "T936", "T936 v4.07 12.03.2019"},
                      VersionCase{"AnyFirstByte", QByteArray("ZT236-1.0"), false, "T236",
                                  "T236-1.0"},
                      VersionCase{"LowerCaseStoredUpper", QByteArray("\x06t95z rev b"), false,
                                  "T95Z", "t95z rev b"},
                      VersionCase{"EndsAtFirstZero", QByteArray("\x06T260 v2\0garbage", 16), false,
                                  "T260", "T260 v2"},
                      VersionCase{"ShortText", QByteArray("\x06T2", 3), false, "T2", "T2"},
                      VersionCase{"Cp1251Text", QByteArray("\x06T760 \xE2\xE5\xF0\xF1\xE8\xFF 3"),
                                  false, "T760", u(u"T760 версия 3")},
                      VersionCase{"FirstByteZero", QByteArray("\0T936 v4", 8), true, {}, {}},
                      VersionCase{"NothingReceived", QByteArray(), true, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nimbrel::testing
