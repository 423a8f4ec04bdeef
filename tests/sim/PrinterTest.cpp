#include "Printer.h"
#include "LogoBlock.h"
#include "MarkBlock.h"
#include "TestNames.h"

#include <gtest/gtest.h>

#include <ostream>

#include <chrono>
#include <string>

namespace nimbrel::sim {
namespace {

Bytes bytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

// 31.05.2019 14:05:09 as zone-free seconds.
constexpr std::int64_t kPcNow = 1559311509;

std::int64_t civilSeconds(int y, unsigned m, unsigned d, int hh, int mm, int ss) {
    using namespace std::chrono;
    const auto days = sys_days{year{y} / month{m} / day{d}}.time_since_epoch().count();
    return static_cast<std::int64_t>(days) * 86400 + hh * 3600 + mm * 60 + ss;
}

Printer printerFor(std::string_view model) {
    return Printer(makeInitialState(*findModel(model)));
}

Response send(Printer& printer, std::string_view command, std::int64_t now = kPcNow) {
    return printer.handle(bytes(command), now);
}

TEST(PrinterClockHelper, ReferenceTimeIsWhatTheTestsAssume) {
    EXPECT_EQ(civilSeconds(2019, 5, 31, 14, 5, 9), kPcNow);
}

class VersionReply : public ::testing::TestWithParam<const char*> {};

TEST_P(VersionReply, CarriesTheModelCodeAndEndsWithOneZeroByte) {
    Printer printer = printerFor(GetParam());
    const Response r = send(printer, "\x11\x69\x0E");
    ASSERT_TRUE(r.understood);
    ASSERT_GE(r.reply.size(), 7u);
    EXPECT_EQ(r.reply.front(), 0x06);
    EXPECT_EQ(std::string(r.reply.begin() + 1, r.reply.begin() + 5), GetParam());
    EXPECT_EQ(r.reply.back(), 0x00);
    for (std::size_t i = 1; i + 1 < r.reply.size(); ++i) {
        EXPECT_GE(r.reply[i], 0x20) << "byte " << i;
        EXPECT_LT(r.reply[i], 0x7F) << "byte " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(AllModels, VersionReply,
                         ::testing::Values("T236", "T260", "T736", "T760", "T75Z", "T936", "T960",
                                           "T93Z", "T95Z"),
                         [](const auto& info) { return testName(info.param); });

TEST(Printer, VersionReplyOfT936IsExact) {
    Printer printer = printerFor("T936");
    EXPECT_EQ(send(printer, "\x11\x69\x0E").reply,
              bytes(std::string_view("\x06T936 v4.07 12.03.2019\0", 23)));
}

TEST(Printer, ModelNamesAreFoundInAnyCaseAndUnknownOnesAreNot) {
    ASSERT_NE(findModel("t93z"), nullptr);
    EXPECT_EQ(findModel("t93z")->name, "T93Z");
    EXPECT_EQ(findModel("T950"), nullptr);
    EXPECT_EQ(findModel("T9360"), nullptr);
    EXPECT_EQ(findModel(""), nullptr);
    EXPECT_EQ(defaultModel().name, "T260");
}

struct CounterCase {
    const char* command;
    std::uint32_t hours;
    std::uint64_t marks;
    std::string_view expected;
};

void PrintTo(const CounterCase& c, std::ostream* os) {
    *os << (c.command[1] == 'w' ? "hours " : "marks ") << (c.command[1] == 'w' ? c.hours : c.marks);
}

class CounterReply : public ::testing::TestWithParam<CounterCase> {};

TEST_P(CounterReply, HoldsBase100DigitsMostSignificantFirst) {
    const CounterCase& c = GetParam();
    Printer printer = printerFor("T936");
    printer.state().workingHoursTenths = c.hours;
    printer.state().printedCount = c.marks;
    EXPECT_EQ(send(printer, c.command).reply, bytes(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    HoursAndMarks, CounterReply,
    ::testing::Values(
        CounterCase{"\x11\x77\x0E", 12345, 0, {"\x06\x00\x01\x17\x2D", 5}},
        CounterCase{"\x11\x77\x0E", 0, 0, {"\x06\x00\x00\x00\x00", 5}},
        CounterCase{"\x11\x77\x0E", 700, 0, {"\x06\x00\x00\x07\x00", 5}},
        CounterCase{"\x11\x77\x0E", 99999999, 0, {"\x06\x63\x63\x63\x63", 5}},
        CounterCase{"\x11\x6D\x0E", 0, 105, {"\x06\x00\x00\x00\x00\x01\x05", 7}},
        CounterCase{"\x11\x6D\x0E", 0, 7, {"\x06\x00\x00\x00\x00\x00\x07", 7}},
        CounterCase{"\x11\x6D\x0E", 0, 999999999999, {"\x06\x63\x63\x63\x63\x63\x63", 7}},
        CounterCase{"\x11\x6D\x0E", 0, 102030405060, {"\x06\x0A\x14\x1E\x28\x32\x3C", 7}}),
    [](const auto& info) {
        return testName(bytesName(info.param.command), info.param.hours, info.param.marks);
    });

TEST(Printer, StartsWithPlausibleCounters) {
    Printer printer = printerFor("T260");
    EXPECT_EQ(send(printer, "\x11\x77\x0E").reply, bytes({"\x06\x00\x01\x17\x2D", 5}));
    EXPECT_EQ(send(printer, "\x11\x6D\x0E").reply, bytes({"\x06\x00\x00\x00\x00\x01\x05", 7}));
}

TEST(Printer, PrintModeReplyCarriesTheFlagsInByte1) {
    Printer printer = printerFor("T760");
    printer.state().printModeFlags = 0xA5;
    EXPECT_EQ(send(printer, "\x11\x4D\x0E").reply, bytes("\x06\xA5"));
}

struct LinesCase {
    const char* model;
    std::string_view text;
    int expected; // lines afterwards, starting from 1
};

void PrintTo(const LinesCase& c, std::ostream* os) {
    *os << c.model << " '";
    for (char ch : c.text) {
        *os << (ch == '\t' ? std::string("TAB") : std::string(1, ch));
    }
    *os << "' -> " << c.expected;
}

class SetTextLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(SetTextLines, AcceptsOnlyNumbersWithinTheModelsLimit) {
    const LinesCase& c = GetParam();
    Printer printer = printerFor(c.model);
    ASSERT_EQ(printer.state().textLines, 1);
    const std::string command = "\x0C\x53" + std::string(c.text) + "\x0E";
    const Response r = send(printer, command);
    EXPECT_TRUE(r.understood);
    EXPECT_TRUE(r.reply.empty());
    EXPECT_EQ(send(printer, "\x11\x53\x0E").reply,
              (Bytes{0x06, static_cast<std::uint8_t>(c.expected)}));
}

INSTANTIATE_TEST_SUITE_P(PerModel, SetTextLines,
                         ::testing::Values(LinesCase{"T260", "4", 4}, LinesCase{"T260", "3", 3},
                                           LinesCase{"T260", "5", 1}, LinesCase{"T260", "0", 1},
                                           LinesCase{"T236", "2", 2}, LinesCase{"T236", "3", 1},
                                           LinesCase{"T936", "2", 2}, LinesCase{"T936", "3", 1},
                                           LinesCase{"T75Z", "4", 1}, LinesCase{"T95Z", " 2", 2},
                                           LinesCase{"T95Z", "\t+2", 2}, LinesCase{"T260", "-1", 1},
                                           LinesCase{"T260", "$3", 3}, LinesCase{"T260", "%100", 4},
                                           LinesCase{"T260", "2abc", 2},
                                           LinesCase{"T260", "abc", 1}, LinesCase{"T260", "", 1},
                                           LinesCase{"T260", "99999999999999999999", 1}),
                         [](const auto& info) {
                             return testName(info.param.model, info.param.text);
                         });

TEST(Printer, RejectedNumberOfLinesKeepsThePreviousOne) {
    Printer printer = printerFor("T260");
    send(printer, "\x0C\x53\x33\x0E");
    const Response r = send(printer, "\x0C\x53\x39\x0E");
    EXPECT_FALSE(r.note.empty());
    EXPECT_EQ(send(printer, "\x11\x53\x0E").reply, bytes("\x06\x03"));
}

TEST(Printer, SetDateKeepsTheTimeOfDayAndTheClockRunsOn) {
    Printer printer = printerFor("T936");
    EXPECT_EQ(printer.clockSeconds(kPcNow), kPcNow);
    const Response r = send(printer, "\x1A\x44"
                                     "010120\x0E");
    EXPECT_TRUE(r.understood);
    EXPECT_TRUE(r.reply.empty());
    EXPECT_EQ(printer.clockSeconds(kPcNow), civilSeconds(2020, 1, 1, 14, 5, 9));
    EXPECT_EQ(printer.clockSeconds(kPcNow + 90), civilSeconds(2020, 1, 1, 14, 6, 39));
}

TEST(Printer, SetTimeKeepsThePrinterDate) {
    Printer printer = printerFor("T260");
    send(printer, "\x1A\x44"
                  "311219\x0E");
    send(printer,
         "\x1A\x54"
         "235959\x0E",
         kPcNow + 10);
    EXPECT_EQ(printer.clockSeconds(kPcNow + 10), civilSeconds(2019, 12, 31, 23, 59, 59));
    EXPECT_EQ(printer.clockSeconds(kPcNow + 12), civilSeconds(2020, 1, 1, 0, 0, 1));
}

class ImpossibleClockValue : public ::testing::TestWithParam<std::string_view> {};

TEST_P(ImpossibleClockValue, LeavesTheClockAlone) {
    Printer printer = printerFor("T936");
    send(printer, std::string("\x1A") + std::string(GetParam()) + "\x0E");
    EXPECT_EQ(printer.clockSeconds(kPcNow), kPcNow);
}

INSTANTIATE_TEST_SUITE_P(BadDigits, ImpossibleClockValue,
                         ::testing::Values("D320519", "D290219", "D001219", "D011319", "D12a456",
                                           "T256199", "T240000", "T126000", "T120060", "T 12000",
                                           "D12345", "D1234567", "X010120"),
                         [](const auto& info) { return testName(info.param); });

TEST(Printer, LeapDayIsAValidDate) {
    Printer printer = printerFor("T936");
    send(printer, "\x1A\x44"
                  "290220\x0E");
    EXPECT_EQ(printer.clockSeconds(kPcNow), civilSeconds(2020, 2, 29, 14, 5, 9));
}

TEST(Printer, AreaMapsAreAllFreeWhileTheStoresAreEmpty) {
    Printer printer = printerFor("T936");
    EXPECT_EQ(send(printer, "\x0F\x78\x0E").reply, Bytes(85, 'N'));
    EXPECT_EQ(send(printer, "\x0F\x61\x0E").reply, Bytes(128, 'N'));
}

TEST(Printer, MarkMapHasMarkKAtByteKMinus1AndNoByteForMark0) {
    Printer printer = printerFor("T936");
    for (int slot : {0, 1, 5, 85}) {
        printer.state().marks[slot] = placeholderMark(slot);
    }
    Bytes expected(85, 'N');
    expected[0] = expected[4] = expected[84] = 'Y';
    EXPECT_EQ(send(printer, "\x0F\x78\x0E").reply, expected);
}

TEST(Printer, LogoMapHasLogoKAtByteK) {
    Printer printer = printerFor("T260");
    for (int slot : {0, 7, 127, 200}) {
        printer.state().logos[slot] = placeholderLogo();
    }
    Bytes expected(128, 'N');
    expected[0] = expected[7] = expected[127] = 'Y';
    EXPECT_EQ(send(printer, "\x0F\x61\x0E").reply, expected);
}

TEST(Printer, PlaceholderMarkIsAFullBlockWithItsNumberAsText) {
    const Bytes block = placeholderMark(5);
    ASSERT_EQ(block.size(), 1536u);
    EXPECT_EQ(Bytes(block.begin(), block.begin() + 10), bytes({"\x18\x00\x07MARK 05", 10}));
    EXPECT_EQ(block[48], 0x18);
    EXPECT_EQ(block[49], 0x00);
    EXPECT_EQ(block[50], 0x00);
}

class UnknownCommand : public ::testing::TestWithParam<std::string_view> {};

TEST_P(UnknownCommand, GetsNoReply) {
    Printer printer = printerFor("T936");
    const Response r = send(printer, GetParam());
    EXPECT_FALSE(r.understood);
    EXPECT_TRUE(r.reply.empty());
}

INSTANTIATE_TEST_SUITE_P(
    NotPlayed, UnknownCommand,
    ::testing::Values(std::string_view("\x11\x7A\x0E"), std::string_view("\x11\x69"),
                      std::string_view("\x11\x69\x78\x0E"), std::string_view("\x13\x69\x0E"),
                      std::string_view("\x0F\x7A\x0E"), std::string_view("\x0F\x78\x31\x0E"),
                      std::string_view("\x0C\x58\x32\x0E"),
                      std::string_view("\x1D\x54\x30\x30\x33\x30\x0E"), std::string_view("\x0E"),
                      std::string_view("")),
    [](const auto& info) { return bytesName(info.param); });

} // namespace
} // namespace nimbrel::sim
