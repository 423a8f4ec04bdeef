#include "marks/FragmentRecord.h"

#include <gtest/gtest.h>

namespace nimbrel::testing {
namespace {

struct ReplyCase {
    const char* name;
    QByteArray reply;
    int typeCode;
    int font;
    QString text;
};

class FragmentReplyTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(FragmentReplyTest, Decodes) {
    const ReplyCase& c = GetParam();
    const marks::FragmentReply f = marks::decodeFragmentReply(c.reply);
    EXPECT_EQ(f.typeCode, c.typeCode);
    EXPECT_EQ(f.font, c.font);
    EXPECT_EQ(f.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, FragmentReplyTest,
    ::testing::Values(ReplyCase{"RunningNumber",
                                QByteArray("\x19\x03\x02"
                                           "12"),
                                0x19, 3, "12"},
                      ReplyCase{"Cyrillic", QByteArray("\x18\x0C\x02\xCF\xE0"), 0x18, 12, "Па"},
                      ReplyCase{"LengthLimitsTheText",
                                QByteArray("\x18\x02\x01"
                                           "AB"),
                                0x18, 2, "A"},
                      ReplyCase{"ZeroEndsTheText",
                                QByteArray("\x18\x02\x05"
                                           "A\0BCD",
                                           8),
                                0x18, 2, "A"},
                      ReplyCase{"NegativeLengthIsNoText",
                                QByteArray("\x1D\x01\x80"
                                           "AB"),
                                0x1D, 1, ""},
                      ReplyCase{"ShortReplyReadsZero", QByteArray("\x10"), 0x10, 0, ""},
                      ReplyCase{"Empty", QByteArray(), 0, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nimbrel::testing
