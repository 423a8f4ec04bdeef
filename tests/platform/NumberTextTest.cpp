#include "platform/NumberText.h"
#include "TestNames.h"

#include <gtest/gtest.h>

#include <limits>

namespace nimbrel::platform {
namespace {

struct NumberCase {
    const char16_t* text;
    long long expected;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << '"' << QString::fromUtf16(c.text).toStdString() << '"';
}

class ParseWholeNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ParseWholeNumber, ReadsTheTypedNumber) {
    EXPECT_EQ(parseWholeNumber(QString::fromUtf16(GetParam().text)), GetParam().expected);
}

constexpr long long kMax = std::numeric_limits<long long>::max();
constexpr long long kMin = std::numeric_limits<long long>::min();

INSTANTIATE_TEST_SUITE_P(
    Decimal, ParseWholeNumber,
    ::testing::Values(NumberCase{u"42", 42}, NumberCase{u"0", 0}, NumberCase{u"007", 7},
                      NumberCase{u"255", 255}, NumberCase{u"  \t 17", 17}, NumberCase{u"\t\t3", 3},
                      NumberCase{u"+5", 5}, NumberCase{u"-5", -5}, NumberCase{u" -300", -300},
                      NumberCase{u"12abc", 12}, NumberCase{u"1.5", 1}, NumberCase{u"1e3", 1},
                      NumberCase{u"5 6", 5}, NumberCase{u"12 ", 12}, NumberCase{u"0x1F", 0}),
    [](const auto& info) { return testName(info.param.text); });

INSTANTIATE_TEST_SUITE_P(NoDigits, ParseWholeNumber,
                         ::testing::Values(NumberCase{u"", 0}, NumberCase{u"abc", 0},
                                           NumberCase{u"-", 0}, NumberCase{u"+", 0},
                                           NumberCase{u"   ", 0}, NumberCase{u"+-5", 0},
                                           NumberCase{u"--5", 0}, NumberCase{u"- 5", 0},
                                           NumberCase{u"$", 0}, NumberCase{u"%", 0},
                                           NumberCase{u"$G", 0}, NumberCase{u"$-1", 0},
                                           NumberCase{u"$ 1F", 0},
                                           // Only blanks and tabs are skipped.
                                           NumberCase{u"\n5", 0}, NumberCase{u"\u00A05", 0},
                                           // Only ASCII digits count.
                                           NumberCase{u"\u0663", 0}, NumberCase{u"\uFF11", 0}),
                         [](const auto& info) { return testName(info.param.text); });

INSTANTIATE_TEST_SUITE_P(HexAndBinary, ParseWholeNumber,
                         ::testing::Values(NumberCase{u"$1F", 31}, NumberCase{u"$1f", 31},
                                           NumberCase{u"$ff", 255}, NumberCase{u" $10", 16},
                                           NumberCase{u"-$10", -16}, NumberCase{u"+$A", 10},
                                           NumberCase{u"$1G", 1}, NumberCase{u"%101", 5},
                                           NumberCase{u"%102", 2}, NumberCase{u"-%11", -3},
                                           NumberCase{u"%2", 0}, NumberCase{u"$$1", 0},
                                           NumberCase{u"%$1", 0}),
                         [](const auto& info) { return testName(info.param.text); });

INSTANTIATE_TEST_SUITE_P(
    Saturates, ParseWholeNumber,
    ::testing::Values(
        NumberCase{u"9223372036854775807", kMax}, NumberCase{u"9223372036854775808", kMax},
        NumberCase{u"99999999999999999999999999999", kMax},
        NumberCase{u"-9223372036854775807", -kMax}, NumberCase{u"-9223372036854775808", kMin},
        NumberCase{u"-9223372036854775809", kMin},
        NumberCase{u"-99999999999999999999999999999", kMin}, NumberCase{u"$7FFFFFFFFFFFFFFF", kMax},
        NumberCase{u"$8000000000000000", kMax}, NumberCase{u"$FFFFFFFFFFFFFFFF", kMax},
        NumberCase{u"$FFFFFFFFFFFFFFFFFFFF", kMax}, NumberCase{u"-$8000000000000000", kMin},
        NumberCase{u"-$8000000000000001", kMin},
        NumberCase{u"%111111111111111111111111111111111111111111111111111111111111111", kMax},
        NumberCase{u"%1111111111111111111111111111111111111111111111111111111111111111", kMax},
        // Digits after the saturation point are not read on into a wrap.
        NumberCase{u"100000000000000000000abc", kMax}),
    [](const auto& info) { return testName(info.param.text); });

// Strict: anything but one to nine plain digits is no number at all.
TEST(ParseDigitsOnly, TakesOnlyPlainDigits) {
    const std::pair<const char16_t*, std::optional<int>> cases[] = {
        {u"0", 0},           {u"007", 7}, {u"999999999", 999999999},
        {u"1234567890", {}}, {u"", {}},   {u" 1", {}},
        {u"1 ", {}},         {u"+1", {}}, {u"-1", {}},
        {u"$1F", {}},        {u"1a", {}}, {u"\u0663", {}}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parseDigitsOnly(QString::fromUtf16(text)), expected)
            << QString::fromUtf16(text).toStdString();
}

} // namespace
} // namespace nimbrel::platform
