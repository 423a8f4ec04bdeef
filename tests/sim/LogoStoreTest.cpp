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
    return Printer(makeInitialState(*findModel("T260")));
}

Response send(Printer& printer, const Bytes& command) {
    return printer.handle(command, kPcNow);
}

// The 6-byte request and the 256 bytes after it.
Bytes logoWrite(std::string_view request, const Bytes& block) {
    Bytes command = bytes(request);
    command.insert(command.end(), block.begin(), block.end());
    command.resize(6 + 256, 0);
    return command;
}

Bytes logoRead(std::string_view digits) {
    return bytes("\x0F\x69" + std::string(digits) + "\x0E");
}

Bytes logoMap(Printer& printer) {
    return send(printer, bytes("\x0F\x61\x0E")).reply;
}

// A 63 x 32 logo: column x holds the bytes x, 0x80, 0x01, 0xFF.
Bytes logo63x32() {
    Bytes block{63, 4};
    for (std::uint8_t x = 0; x < 63; ++x) {
        block.insert(block.end(), {x, 0x80, 0x01, 0xFF});
    }
    return block;
}

TEST(LogoStore, WrittenLogoReadsBackAsTheLogoBlockAfterOneByte) {
    Printer printer = freshPrinter();
    const Bytes block = logo63x32();
    ASSERT_EQ(block.size(), 254u);
    const Response w = send(printer, logoWrite("\x0F\x6C\x30\x30\x35\xFE", block));
    EXPECT_TRUE(w.understood);
    EXPECT_EQ(w.reply, bytes("\x06"));
    EXPECT_EQ(w.changed, (StoreChange{StoreChange::Store::Logos, 5}));

    Bytes expected{0x06};
    expected.insert(expected.end(), block.begin(), block.end());
    EXPECT_EQ(send(printer, logoRead("005")).reply, expected);
}

// A faulty memory keeps the logo with its first column byte changed.
TEST(LogoStore, AlteredWritesChangeTheFirstColumnByte) {
    PrinterState state = makeInitialState(*findModel("T260"));
    state.alterWrites = true;
    Printer printer(std::move(state));
    send(printer, logoWrite("\x0F\x6C\x30\x30\x35\x05", {3, 1, 0x10, 0x02, 0x04}));
    EXPECT_EQ(send(printer, logoRead("005")).reply, (Bytes{0x06, 3, 1, 0x11, 0x02, 0x04}));
}

TEST(LogoStore, EmptySlotAnswersOneByte) {
    Printer printer = freshPrinter();
    for (const char* digits : {"000", "005", "127", "128", "255"}) {
        EXPECT_EQ(send(printer, logoRead(digits)).reply, bytes("\x15")) << digits;
    }
}

TEST(LogoStore, DeleteEmptiesTheSlotAndTheGraphicsMapFollows) {
    Printer printer = freshPrinter();
    send(printer, logoWrite("\x0F\x6C\x30\x30\x30\x05", {3, 1, 0x01, 0x02, 0x04}));
    send(printer, logoWrite("\x0F\x6C\x31\x32\x37\x05", {3, 1, 0x01, 0x02, 0x04}));
    send(printer, logoWrite("\x0F\x6C\x30\x34\x32\x05", {3, 1, 0x01, 0x02, 0x04}));
    Bytes expected(128, 'N');
    expected[0] = expected[42] = expected[127] = 'Y';
    EXPECT_EQ(logoMap(printer), expected);

    const Response d = send(printer, logoWrite("\x0F\x6C\x30\x34\x32\x0E", {}));
    EXPECT_EQ(d.reply, bytes("\x06"));
    EXPECT_EQ(d.changed, (StoreChange{StoreChange::Store::Logos, 42}));
    expected[42] = 'N';
    EXPECT_EQ(logoMap(printer), expected);
    EXPECT_EQ(send(printer, logoRead("042")).reply, bytes("\x15"));
    EXPECT_EQ(send(printer, logoRead("127")).reply, bytes({"\x06\x03\x01\x01\x02\x04", 6}));
}

TEST(LogoStore, ALogoOf14BytesAnnouncesTheEndByteAndIsStillAWrite) {
    Printer printer = freshPrinter();
    const Bytes block{4, 3, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    send(printer, logoWrite("\x0F\x6C\x30\x30\x39\x0E", block));
    Bytes expected{0x06};
    expected.insert(expected.end(), block.begin(), block.end());
    EXPECT_EQ(send(printer, logoRead("009")).reply, expected);
}

TEST(LogoStore, WidestSingleByteLogoFits) {
    Printer printer = freshPrinter();
    Bytes block{253, 1};
    block.resize(255, 0xA5);
    send(printer, logoWrite("\x0F\x6C\x31\x30\x30\xFF", block));
    const Bytes read = send(printer, logoRead("100")).reply;
    ASSERT_EQ(read.size(), 256u);
    EXPECT_EQ(read[1], 253);
    EXPECT_EQ(read[255], 0xA5);
}

struct RefusedCase {
    const char* name;
    std::string_view request;
    Bytes block;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class RefusedLogoWrite : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedLogoWrite, AnswersNakAndKeepsTheSlot) {
    Printer printer = freshPrinter();
    printer.state().logos[7] = {1, 1, 0x42};
    printer.state().logos[200] = {1, 1, 0x42};
    const Response r = send(printer, logoWrite(GetParam().request, GetParam().block));
    EXPECT_TRUE(r.understood);
    EXPECT_EQ(r.reply, bytes("\x15"));
    EXPECT_FALSE(r.note.empty());
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(printer.state().logos.size(), 2u);
    EXPECT_EQ(printer.state().logos.at(7), (Bytes{1, 1, 0x42}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedLogoWrite,
    ::testing::Values(
        RefusedCase{"length_byte_one_short", {"\x0F\x6C\x30\x30\x37\x04", 6}, {3, 1, 1, 2, 3}},
        RefusedCase{"length_byte_one_long", {"\x0F\x6C\x30\x30\x37\x06", 6}, {3, 1, 1, 2, 3}},
        RefusedCase{"no_bytes_per_column", {"\x0F\x6C\x30\x30\x37\x02", 6}, {3, 0}},
        RefusedCase{
            "five_bytes_per_column", {"\x0F\x6C\x30\x30\x37\x07", 6}, {1, 5, 1, 2, 3, 4, 5}},
        RefusedCase{"no_width", {"\x0F\x6C\x30\x30\x37\x02", 6}, {0, 1}},
        RefusedCase{"end_byte_with_a_block_that_is_not_14_bytes",
                    {"\x0F\x6C\x30\x30\x37\x0E", 6},
                    {3, 1, 1, 2, 3}},
        RefusedCase{"slot_128_is_read_only", {"\x0F\x6C\x31\x32\x38\x05", 6}, {3, 1, 1, 2, 3}},
        RefusedCase{"delete_of_read_only_slot_200", {"\x0F\x6C\x32\x30\x30\x0E", 6}, {}},
        RefusedCase{"slot_not_digits", {"\x0F\x6C\x30\x41\x37\x05", 6}, {3, 1, 1, 2, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LogoStore, ReadOnlySlotsAreReadableButNotInTheMap) {
    Printer printer = freshPrinter();
    printer.state().logos[200] = {2, 1, 0x81, 0x7E};
    EXPECT_EQ(send(printer, logoRead("200")).reply, (Bytes{0x06, 2, 1, 0x81, 0x7E}));
    EXPECT_EQ(logoMap(printer), Bytes(128, 'N'));
}

class BadLogoRead : public ::testing::TestWithParam<std::string_view> {};

TEST_P(BadLogoRead, GetsNoReply) {
    Printer printer = freshPrinter();
    const Response r = send(printer, bytes(GetParam()));
    EXPECT_FALSE(r.understood);
    EXPECT_TRUE(r.reply.empty());
}

INSTANTIATE_TEST_SUITE_P(Requests, BadLogoRead,
                         ::testing::Values("\x0F\x69\x32\x35\x36\x0E", "\x0F\x69\x30\x35\x0E",
                                           "\x0F\x69\x30\x30\x30\x35\x0E",
                                           "\x0F\x69\x30\x2D\x35\x0E"),
                         [](const auto& info) { return bytesName(info.param); });

TEST(LogoStore, WriteOfTheWrongSizeIsNotUnderstood) {
    Printer printer = freshPrinter();
    Bytes command = logoWrite("\x0F\x6C\x30\x30\x35\x05", {3, 1, 1, 2, 3});
    command.pop_back();
    EXPECT_FALSE(send(printer, command).understood);
    EXPECT_TRUE(printer.state().logos.empty());
}

} // namespace
} // namespace nimbrel::sim
