#include "CommandFramer.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

namespace nimbrel::sim {
namespace {

using Item = CommandFramer::Item;
using Kind = Item::Kind;

} // namespace

void PrintTo(const CommandFramer::Item& item, std::ostream* os) {
    *os << (item.kind == CommandFramer::Item::Kind::Command ? "command[" : "discarded[")
        << item.bytes.size() << "]";
    for (std::size_t i = 0; i < item.bytes.size() && i < 12; ++i) {
        *os << ' ' << std::hex << static_cast<int>(item.bytes[i]) << std::dec;
    }
}

namespace {

Bytes bytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}
Item command(std::string_view text) {
    return Item{Kind::Command, bytes(text)};
}
Item dropped(std::string_view text) {
    return Item{Kind::Discarded, bytes(text)};
}

std::vector<Item> feed(CommandFramer& framer, std::string_view text, int atMs) {
    const Bytes data = bytes(text);
    return framer.feed(data, Millis{atMs});
}

struct FramingCase {
    const char* name;
    std::string input;
    std::vector<Item> expected;
};

void PrintTo(const FramingCase& c, std::ostream* os) {
    *os << c.name;
}

class Framing : public ::testing::TestWithParam<FramingCase> {};

TEST_P(Framing, InOnePiece) {
    CommandFramer framer;
    EXPECT_EQ(feed(framer, GetParam().input, 0), GetParam().expected);
}

TEST_P(Framing, ByteByByte) {
    CommandFramer framer;
    std::vector<Item> all;
    for (std::size_t i = 0; i < GetParam().input.size(); ++i) {
        for (Item& item : feed(framer, GetParam().input.substr(i, 1), static_cast<int>(i))) {
            all.push_back(std::move(item));
        }
    }
    // Bytes dropped one at a time arrive as several pieces; compare them joined.
    std::vector<Item> joined;
    for (Item& item : all) {
        if (!joined.empty() && item.kind == Kind::Discarded &&
            joined.back().kind == Kind::Discarded) {
            joined.back().bytes.insert(joined.back().bytes.end(), item.bytes.begin(),
                                       item.bytes.end());
        } else {
            joined.push_back(std::move(item));
        }
    }
    EXPECT_EQ(joined, GetParam().expected);
}

const std::string kLogoWrite =
    std::string("\x0F\x6C\x30\x30\x35\x0E", 6) + std::string(256, '\x11');
const std::string kMarkWrite = std::string("\x0F\x74\x38\x35\x0E") + std::string(1536, '\x0E');

INSTANTIATE_TEST_SUITE_P(
    Commands, Framing,
    ::testing::Values(
        FramingCase{"version", "\x11\x69\x0E", {command("\x11\x69\x0E")}},
        FramingCase{"two in a row",
                    "\x11\x77\x0E\x11\x6D\x0E",
                    {command("\x11\x77\x0E"), command("\x11\x6D\x0E")}},
        FramingCase{"set lines", "\x0C\x53\x32\x0E", {command("\x0C\x53\x32\x0E")}},
        FramingCase{"set date",
                    "\x1A\x44"
                    "310519\x0E",
                    {command("\x1A\x44"
                             "310519\x0E")}},
        FramingCase{"date offset",
                    "\x1D\x44"
                    "0030\x0E",
                    {command("\x1D\x44"
                             "0030\x0E")}},
        FramingCase{"area map", "\x0F\x78\x0E", {command("\x0F\x78\x0E")}},
        FramingCase{"mark read", "\x0F\x72\x30\x35\x0E", {command("\x0F\x72\x30\x35\x0E")}},
        FramingCase{"logo read", "\x0F\x69\x31\x32\x37\x0E", {command("\x0F\x69\x31\x32\x37\x0E")}},
        FramingCase{"fragment write", "\x18\x31\x31\x32\x0E", {command("\x18\x31\x31\x32\x0E")}},
        FramingCase{"garbage before", "AB\x11\x69\x0E", {dropped("AB"), command("\x11\x69\x0E")}},
        FramingCase{"garbage between",
                    "\x11\x69\x0E\xFF\x11\x69\x0E",
                    {command("\x11\x69\x0E"), dropped("\xFF"), command("\x11\x69\x0E")}},
        FramingCase{"broken off by a new lead",
                    "\x11\x69\x11\x77\x0E",
                    {dropped("\x11\x69"), command("\x11\x77\x0E")}},
        FramingCase{"lead right after lead",
                    "\x11\x11\x69\x0E",
                    {dropped("\x11"), command("\x11\x69\x0E")}},
        FramingCase{
            "lone end byte", "\x0E\x11\x69\x0E", {dropped("\x0E"), command("\x11\x69\x0E")}},
        FramingCase{"logo write takes its length byte and 256 block bytes",
                    kLogoWrite + "\x11\x69\x0E",
                    {command(kLogoWrite), command("\x11\x69\x0E")}},
        FramingCase{"mark write takes 1536 block bytes",
                    kMarkWrite + "\x11\x69\x0E",
                    {command(kMarkWrite), command("\x11\x69\x0E")}}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.name)) {
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(CommandFramer, LogoDeleteHeaderEndsAtItsSixthByteEvenWhenThatIsALeadByte) {
    CommandFramer framer;
    const std::string header("\x0F\x6C\x31\x32\x37\x11", 6);
    EXPECT_TRUE(feed(framer, header, 0).empty());
    const auto items = feed(framer, std::string(256, '\0'), 5);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].bytes.size(), 262u);
}

TEST(CommandFramer, MarkBlockInSixPacedPiecesIsOneCommand) {
    CommandFramer framer;
    std::string block(1536, '\0');
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<char>(i * 7); // every byte value, lead and end bytes among them
    }
    EXPECT_TRUE(feed(framer, "\x0F\x74\x31\x32\x0E", 0).empty());
    int now = 2;
    for (std::size_t piece = 0; piece < 6; ++piece, now += 53) {
        const auto items = feed(framer, block.substr(piece * 256, 256), now);
        EXPECT_EQ(framer.expire(Millis{now + 52}), std::vector<Item>{}) << "piece " << piece;
        if (piece < 5) {
            EXPECT_TRUE(items.empty()) << "piece " << piece;
        } else {
            EXPECT_EQ(items, (std::vector<Item>{command("\x0F\x74\x31\x32\x0E" + block)}));
        }
    }
    EXPECT_EQ(feed(framer, "\x0F\x78\x0E", now), (std::vector<Item>{command("\x0F\x78\x0E")}));
}

TEST(CommandFramer, MarkBlockBrokenOffIsDroppedAfterSilence) {
    CommandFramer framer;
    feed(framer, "\x0F\x74\x30\x35\x0E", 0);
    feed(framer, std::string(256, 'A'), 30);
    const auto dropped = framer.expire(Millis{230});
    ASSERT_EQ(dropped.size(), 1u);
    EXPECT_EQ(dropped[0].kind, Kind::Discarded);
    EXPECT_EQ(dropped[0].bytes.size(), 5u + 256u);
    EXPECT_EQ(feed(framer, "\x0F\x72\x30\x35\x0E", 300),
              (std::vector<Item>{command("\x0F\x72\x30\x35\x0E")}));
}

TEST(CommandFramer, LogoWriteWithItsBlockInPiecesIsOneCommand) {
    CommandFramer framer;
    const std::string request("\x0F\x6C\x30\x30\x35\xFE", 6);
    std::string block(256, '\0');
    block[0] = 63;
    block[1] = 4;
    block[2] = 0x0E;
    block[3] = 0x11;
    EXPECT_TRUE(feed(framer, request, 0).empty());
    EXPECT_TRUE(feed(framer, block.substr(0, 100), 1).empty());
    EXPECT_EQ(feed(framer, block.substr(100), 2), (std::vector<Item>{command(request + block)}));
}

TEST(CommandFramer, UnfinishedCommandIsDroppedAfter200MsOfSilence) {
    CommandFramer framer;
    EXPECT_TRUE(feed(framer, "\x11\x69", 1000).empty());
    ASSERT_EQ(framer.deadline(), Millis{1200});
    EXPECT_TRUE(framer.expire(Millis{1199}).empty());
    EXPECT_EQ(framer.expire(Millis{1200}), (std::vector<Item>{dropped("\x11\x69")}));
    EXPECT_EQ(framer.deadline(), std::nullopt);
    EXPECT_EQ(feed(framer, "\x0E\x11\x77\x0E", 1300),
              (std::vector<Item>{dropped("\x0E"), command("\x11\x77\x0E")}));
}

TEST(CommandFramer, EachByteRestartsTheSilence) {
    CommandFramer framer;
    feed(framer, "\x1A", 0);
    feed(framer,
         "\x44"
         "31",
         150);
    feed(framer, "0519", 300);
    EXPECT_EQ(framer.deadline(), Millis{500});
    EXPECT_EQ(feed(framer, "\x0E", 450), (std::vector<Item>{command("\x1A\x44"
                                                                    "310519\x0E")}));
}

TEST(CommandFramer, OnlyExpireJudgesSilence) {
    // Bytes read late, after a long reply went out, may have been waiting all along.
    CommandFramer framer;
    feed(framer, "\x11\x69", 0);
    EXPECT_EQ(feed(framer, "\x0E", 5000), (std::vector<Item>{command("\x11\x69\x0E")}));
}

TEST(CommandFramer, OverlongCommandIsDropped) {
    CommandFramer framer;
    const std::string longText = "\x18\x31\x31\x30" + std::string(400, 'A') + "\x0E";
    const auto items = feed(framer, longText + "\x11\x69\x0E", 0);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.back(), command("\x11\x69\x0E"));
    for (std::size_t i = 0; i + 1 < items.size(); ++i) {
        EXPECT_EQ(items[i].kind, Kind::Discarded);
    }
}

TEST(CommandFramer, LongestFragmentWriteStillFits) {
    CommandFramer framer;
    const std::string text = "\x18\x31\x31\x30" + std::string(250, 'A') + "\x0E";
    EXPECT_EQ(feed(framer, text, 0), (std::vector<Item>{command(text)}));
}

} // namespace
} // namespace nimbrel::sim
