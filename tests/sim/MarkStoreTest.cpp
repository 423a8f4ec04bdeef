#include "Printer.h"
#include "TestNames.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace nimbrel::sim {
namespace {

constexpr std::int64_t kPcNow = 1559311509;

Bytes bytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

Printer freshPrinter() {
    return Printer(makeInitialState(*findModel("T936")));
}

Response send(Printer& printer, const Bytes& command) {
    return printer.handle(command, kPcNow);
}
Response send(Printer& printer, std::string_view command) {
    return send(printer, bytes(command));
}

// A block with the given records (48 bytes each, spelled out); the rest zero.
Bytes blockWith(std::initializer_list<std::pair<std::size_t, std::string_view>> records) {
    Bytes block(1536, 0);
    for (const auto& [record, content] : records) {
        std::copy(content.begin(), content.end(), block.begin() + record * 48);
    }
    return block;
}

Bytes markWrite(std::string_view digits, const Bytes& block) {
    Bytes command = bytes("\x0F\x74");
    command.insert(command.end(), digits.begin(), digits.end());
    command.push_back(0x0E);
    command.insert(command.end(), block.begin(), block.end());
    return command;
}

Bytes markRead(std::string_view digits) {
    return bytes("\x0F\x72" + std::string(digits) + "\x0E");
}

// Record 0: "ABC" in font 0; record 1 (line 2, fragment 1): running number "12" in font 5;
// record 30 (line 3, fragment 8): "МАРКА" in Windows-1251; record 31 (line 4, fragment 8): an
// EAN code.
const Bytes kSampleBlock = blockWith({{0,
                                       {"\x18\x00\x03"
                                        "ABC",
                                        6}},
                                      {1,
                                       {"\x19\x05\x02"
                                        "12",
                                        5}},
                                      {30, {"\x18\x0F\x05\xCC\xC0\xD0\xCA\xC0", 8}},
                                      {31,
                                       {"\x10\x02\x0D"
                                        "4006381333931",
                                        16}}});

TEST(MarkStore, WrittenMarkReadsBackByteForByte) {
    Printer printer = freshPrinter();
    const Response written = send(printer, markWrite("12", kSampleBlock));
    EXPECT_TRUE(written.understood);
    EXPECT_TRUE(written.reply.empty());
    EXPECT_EQ(written.changed, (StoreChange{StoreChange::Store::Marks, 12}));

    const Response read = send(printer, markRead("12"));
    EXPECT_TRUE(read.understood);
    EXPECT_EQ(read.reply, kSampleBlock);
    EXPECT_FALSE(read.changed);
}

// A faulty memory keeps the mark with the first record's font changed.
TEST(MarkStore, AlteredWritesChangeTheFirstFont) {
    PrinterState state = makeInitialState(*findModel("T936"));
    state.alterWrites = true;
    Printer printer(std::move(state));
    send(printer, markWrite("12", kSampleBlock));
    Bytes expected = kSampleBlock;
    expected[1] = 0x01;
    EXPECT_EQ(send(printer, markRead("12")).reply, expected);
}

TEST(MarkStore, AreaMapFollowsWritesAndClearing) {
    Printer printer = freshPrinter();
    send(printer, markWrite("01", kSampleBlock));
    send(printer, markWrite("85", kSampleBlock));
    send(printer, markWrite("40", kSampleBlock));
    Bytes expected(85, 'N');
    expected[0] = expected[39] = expected[84] = 'Y';
    EXPECT_EQ(send(printer, "\x0F\x78\x0E").reply, expected);

    // A block that opens with type 0 is the empty mark.
    const Response cleared = send(printer, markWrite("40", Bytes(1536, 0)));
    EXPECT_EQ(cleared.changed, (StoreChange{StoreChange::Store::Marks, 40}));
    expected[39] = 'N';
    EXPECT_EQ(send(printer, "\x0F\x78\x0E").reply, expected);
    EXPECT_EQ(send(printer, markRead("40")).reply, bytes({"\0", 1}));
}

class EmptyMarkSlot : public ::testing::TestWithParam<const char*> {};

TEST_P(EmptyMarkSlot, AnswersWithTheSingleByteZero) {
    Printer printer = freshPrinter();
    EXPECT_EQ(send(printer, markRead(GetParam())).reply, bytes({"\0", 1}));
}

INSTANTIATE_TEST_SUITE_P(Slots, EmptyMarkSlot, ::testing::Values("01", "12", "85"),
                         [](const auto& info) { return testName(info.param); });

TEST(MarkStore, CurrentMarkOfAFreshPrinterIsTheDemonstrationMark) {
    Printer printer = freshPrinter();
    Bytes expected = blockWith({{0, {"\x18\x02\x07NIMBREL", 10}}});
    for (std::size_t record = 1; record < 32; ++record) {
        expected[record * 48] = 0x18;
        expected[record * 48 + 1] = 0x02;
    }
    EXPECT_EQ(send(printer, "\x0F\x72\x30\x30\x0E").reply, expected);
    // Mark 0 has no byte in the area map.
    EXPECT_EQ(send(printer, "\x0F\x78\x0E").reply, Bytes(85, 'N'));
}

TEST(MarkStore, WritingMark0ChangesTheCurrentMark) {
    Printer printer = freshPrinter();
    send(printer, markWrite("00", kSampleBlock));
    EXPECT_EQ(send(printer, "\x0F\x72\x30\x30\x0E").reply, kSampleBlock);
}

TEST(MarkStore, KeepsOnlyWhatEachRecordSays) {
    Printer printer = freshPrinter();
    // Record 0: bytes after its 2-character text; record 1: a 60-character length; record 2:
    // a zero byte inside the announced text.
    Bytes sent = blockWith({{0, {"\x18\x01\x02XYZZY", 8}},
                            {1, {"\x18\x01\x3C", 3}},
                            {2,
                             {"\x1A\x03\x05"
                              "AB\0CD",
                              8}}});
    std::fill(sent.begin() + 48 + 3, sent.begin() + 96, 'Q');
    send(printer, markWrite("07", sent));

    Bytes expected = blockWith({{0, {"\x18\x01\x02XY", 5}},
                                {1, {"\x18\x01\x2C", 3}},
                                {2,
                                 {"\x1A\x03\x02"
                                  "AB",
                                  5}}});
    std::fill(expected.begin() + 48 + 3, expected.begin() + 48 + 3 + 44, 'Q');
    EXPECT_EQ(send(printer, markRead("07")).reply, expected);
}

class BadMarkCommand : public ::testing::TestWithParam<std::string_view> {};

TEST_P(BadMarkCommand, GetsNoReply) {
    Printer printer = freshPrinter();
    const Response r = send(printer, GetParam());
    EXPECT_FALSE(r.understood);
    EXPECT_TRUE(r.reply.empty());
}

INSTANTIATE_TEST_SUITE_P(Reads, BadMarkCommand,
                         ::testing::Values("\x0F\x72\x38\x36\x0E", "\x0F\x72\x39\x39\x0E",
                                           "\x0F\x72\x31\x0E", "\x0F\x72\x31\x32\x33\x0E",
                                           "\x0F\x72\x31\x41\x0E", "\x0F\x62\x31\x0E"),
                         [](const auto& info) { return bytesName(info.param); });

TEST(MarkStore, WriteToANumberBeyond85IsSwallowedAndIgnored) {
    Printer printer = freshPrinter();
    const Response r = send(printer, markWrite("86", kSampleBlock));
    EXPECT_TRUE(r.understood);
    EXPECT_TRUE(r.reply.empty());
    EXPECT_FALSE(r.note.empty());
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(printer.state().marks.size(), 1u);
}

TEST(MarkStore, WriteWithoutTheEndByteOrWithAShortBlockIsNotUnderstood) {
    Printer printer = freshPrinter();
    Bytes noEnd = markWrite("05", kSampleBlock);
    noEnd[4] = 0x0D;
    EXPECT_FALSE(send(printer, noEnd).understood);
    Bytes shortBlock = markWrite("05", kSampleBlock);
    shortBlock.pop_back();
    EXPECT_FALSE(send(printer, shortBlock).understood);
    EXPECT_EQ(send(printer, markRead("05")).reply, bytes({"\0", 1}));
}

struct FragmentReadCase {
    std::string_view command;
    std::string_view expected;
};

void PrintTo(const FragmentReadCase& c, std::ostream* os) {
    *os << "line " << c.command[1] << " fragment " << c.command[2];
}

class FragmentRead : public ::testing::TestWithParam<FragmentReadCase> {};

TEST_P(FragmentRead, AnswersTypeFontLengthAndText) {
    Printer printer = freshPrinter();
    send(printer, markWrite("00", kSampleBlock));
    const Response r = send(printer, GetParam().command);
    EXPECT_TRUE(r.understood);
    EXPECT_EQ(r.reply, bytes(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Positions, FragmentRead,
    ::testing::Values(FragmentReadCase{"\x11\x31\x31\x0E",
                                       {"\x18\x00\x03"
                                        "ABC",
                                        6}},
                      FragmentReadCase{"\x11\x32\x31\x0E",
                                       {"\x19\x05\x02"
                                        "12",
                                        5}},
                      FragmentReadCase{"\x11\x33\x38\x0E", {"\x18\x0F\x05\xCC\xC0\xD0\xCA\xC0", 8}},
                      FragmentReadCase{"\x11\x34\x38\x0E",
                                       {"\x10\x02\x0D"
                                        "4006381333931",
                                        16}},
                      FragmentReadCase{"\x11\x31\x32\x0E", {"\0\0\0", 3}}),
    [](const auto& info) { return bytesName(info.param.command); });

TEST(Fragments, ReadOfAnEmptyMark0AnswersThreeZeroBytes) {
    Printer printer = freshPrinter();
    printer.state().marks.clear();
    EXPECT_EQ(send(printer, "\x11\x32\x35\x0E").reply, bytes({"\0\0\0", 3}));
}

TEST(Fragments, BarcodeWriteFromTheEditorReadsBack) {
    Printer printer = freshPrinter();
    const Response w = send(printer, "\x10\x32\x34\x3C"
                                     "123\x0E");
    EXPECT_TRUE(w.understood);
    EXPECT_TRUE(w.reply.empty());
    EXPECT_EQ(w.changed, (StoreChange{StoreChange::Store::Marks, 0}));
    EXPECT_EQ(send(printer, "\x11\x32\x34\x0E").reply, bytes("\x10\x0C\x03"
                                                             "123"));
    // Line 2, fragment 4 is record 13 of the current mark.
    const Bytes mark = send(printer, "\x0F\x72\x30\x30\x0E").reply;
    ASSERT_EQ(mark.size(), 1536u);
    EXPECT_EQ(Bytes(mark.begin() + 13 * 48, mark.begin() + 13 * 48 + 7), bytes({"\x10\x0C\x03"
                                                                                "123\0",
                                                                                7}));
    // The demonstration text of line 1, fragment 1 is still there.
    EXPECT_EQ(send(printer, "\x11\x31\x31\x0E").reply, bytes("\x18\x02\x07NIMBREL"));
}

TEST(Fragments, EmptyTextWriteEmptiesTheFragment) {
    Printer printer = freshPrinter();
    send(printer, "\x18\x31\x31\x32\x0E");
    EXPECT_EQ(send(printer, "\x11\x31\x31\x0E").reply, bytes({"\x18\x02\x00", 3}));
}

TEST(Fragments, TypeCodesThatAreAlsoLeadBytesStillWriteFragments) {
    Printer printer = freshPrinter();
    send(printer, "\x1A\x33\x38\x31"
                  "hh:mm\x0E");
    send(printer, "\x1D\x34\x31\x30"
                  "+30\x0E");
    EXPECT_EQ(send(printer, "\x11\x33\x38\x0E").reply, bytes("\x1A\x01\x05hh:mm"));
    EXPECT_EQ(send(printer, "\x11\x34\x31\x0E").reply, bytes({"\x1D\x00\x03+30", 6}));
    EXPECT_EQ(printer.clockSeconds(kPcNow), kPcNow);
    EXPECT_EQ(printer.state().dateOffset, (std::array<char, 4>{'0', '0', '0', '0'}));
}

TEST(Fragments, WriteIntoAnEmptyMark0StartsFromABlankMark) {
    Printer printer = freshPrinter();
    printer.state().marks.clear();
    send(printer, "\x19\x34\x38\x33"
                  "0001\x0E");
    const Bytes mark = send(printer, "\x0F\x72\x30\x30\x0E").reply;
    ASSERT_EQ(mark.size(), 1536u);
    for (std::size_t record = 0; record < 31; ++record) {
        EXPECT_EQ(Bytes(mark.begin() + record * 48, mark.begin() + record * 48 + 3),
                  bytes({"\x18\x02\x00", 3}))
            << "record " << record;
    }
    EXPECT_EQ(Bytes(mark.begin() + 31 * 48, mark.begin() + 31 * 48 + 7), bytes("\x19\x03\x04"
                                                                               "0001"));
}

TEST(Fragments, FortyFourCharactersAreTakenFortyFiveAreNot) {
    Printer printer = freshPrinter();
    const std::string fits(44, 'W');
    send(printer, "\x18\x31\x32\x30" + fits + "\x0E");
    EXPECT_EQ(send(printer, "\x11\x31\x32\x0E").reply,
              bytes(std::string("\x18\x00\x2C", 3) + fits));

    const Response tooLong = send(printer, "\x18\x31\x32\x30" + std::string(45, 'V') + "\x0E");
    EXPECT_FALSE(tooLong.note.empty());
    EXPECT_FALSE(tooLong.changed);
    EXPECT_EQ(send(printer, "\x11\x31\x32\x0E").reply,
              bytes(std::string("\x18\x00\x2C", 3) + fits));
}

class IgnoredFragmentWrite : public ::testing::TestWithParam<std::string_view> {};

TEST_P(IgnoredFragmentWrite, LeavesTheMarkAlone) {
    Printer printer = freshPrinter();
    const Bytes before = printer.state().marks.at(0);
    const Response r = send(printer, GetParam());
    EXPECT_TRUE(r.reply.empty());
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(printer.state().marks.at(0), before);
}

// Position "00" (no row clicked yet), line 5, fragment 9, fragment 0, a font byte below "0".
INSTANTIATE_TEST_SUITE_P(BadPositions, IgnoredFragmentWrite,
                         ::testing::Values("\x18\x30\x30\x32\x0E", "\x18\x35\x31\x32\x0E",
                                           "\x18\x31\x39\x32\x0E", "\x18\x31\x30\x32\x0E",
                                           "\x18\x31\x31\x2F\x0E", "\x18\x31\x31\x0E"),
                         [](const auto& info) { return bytesName(info.param); });

class BadFragmentRead : public ::testing::TestWithParam<std::string_view> {};

TEST_P(BadFragmentRead, GetsNoReply) {
    Printer printer = freshPrinter();
    const Response r = send(printer, GetParam());
    EXPECT_FALSE(r.understood);
    EXPECT_TRUE(r.reply.empty());
}

INSTANTIATE_TEST_SUITE_P(Positions, BadFragmentRead,
                         ::testing::Values("\x11\x30\x31\x0E", "\x11\x35\x31\x0E",
                                           "\x11\x31\x30\x0E", "\x11\x31\x39\x0E",
                                           "\x11\x31\x31\x31\x0E"),
                         [](const auto& info) { return bytesName(info.param); });

} // namespace
} // namespace nimbrel::sim
