#include "TestNames.h"
#include "platform/SerialPort.h"

#include <gtest/gtest.h>

namespace nimbrel::platform {

bool operator==(const LineSettings& a, const LineSettings& b) {
    return a.baud == b.baud && a.parity == b.parity && a.dataBits == b.dataBits &&
           a.stopBits == b.stopBits;
}

void PrintTo(const LineSettings& s, std::ostream* os) {
    *os << describeSettings(s).toStdString();
}

namespace {

struct ModeCase {
    const char* text;
    LineSettings expected;
};

void PrintTo(const ModeCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ParseModeSettings : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ParseModeSettings, UnderstandsTheText) {
    // Keys the text leaves out fall back to the defaults, not to what `out` held.
    LineSettings out{300, Parity::Mark, 5, 2};
    ASSERT_TRUE(parseModeSettings(QString::fromUtf8(GetParam().text), out));
    EXPECT_EQ(out, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    KeyValue, ParseModeSettings,
    ::testing::Values(ModeCase{"baud=115200 parity=N Data=8 stop=1", {115200, Parity::None, 8, 1}},
                      ModeCase{"baud=57600 parity=N Data=8 stop=1", {57600, Parity::None, 8, 1}},
                      ModeCase{"baud=28800 parity=N Data=8 stop=1", {28800, Parity::None, 8, 1}},
                      ModeCase{"baud=14400 parity=N Data=8 stop=1", {14400, Parity::None, 8, 1}},
                      ModeCase{"BAUD=9600 PARITY=e DATA=7 STOP=2", {9600, Parity::Even, 7, 2}},
                      ModeCase{"stop=2 data=6 parity=o baud=19200", {19200, Parity::Odd, 6, 2}},
                      ModeCase{"baud=38400 parity=m data=5", {38400, Parity::Mark, 5, 1}},
                      ModeCase{"parity=S", {115200, Parity::Space, 8, 1}},
                      ModeCase{"baud=9600", {9600, Parity::None, 8, 1}},
                      ModeCase{"baud=1200 baud=2400", {2400, Parity::None, 8, 1}},
                      ModeCase{"  baud=4800\tparity=N   data=8 ", {4800, Parity::None, 8, 1}},
                      ModeCase{"", {115200, Parity::None, 8, 1}},
                      ModeCase{" \t ", {115200, Parity::None, 8, 1}}),
    [](const auto& info) { return testName(info.param.text); });

// The settings texts of the line settings items carry ": " in front; a whole mode string
// carries the port name as well.
INSTANTIATE_TEST_SUITE_P(
    WithPortName, ParseModeSettings,
    ::testing::Values(
        ModeCase{": baud=115200 parity=N Data=8 stop=1", {115200, Parity::None, 8, 1}},
        ModeCase{": baud=38400 parity=N Data=8 stop=1", {38400, Parity::None, 8, 1}},
        ModeCase{"COM3: baud=9600 parity=N Data=8 stop=1", {9600, Parity::None, 8, 1}},
        ModeCase{"COM200:baud=57600", {57600, Parity::None, 8, 1}},
        ModeCase{"COM1:", {115200, Parity::None, 8, 1}}),
    [](const auto& info) { return testName(info.param.text); });

class ParseModeSettingsRefuses : public ::testing::TestWithParam<const char*> {};

TEST_P(ParseModeSettingsRefuses, AndLeavesTheSettingsAlone) {
    LineSettings out{300, Parity::Odd, 7, 2};
    EXPECT_FALSE(parseModeSettings(QString::fromUtf8(GetParam()), out));
    EXPECT_EQ(out, (LineSettings{300, Parity::Odd, 7, 2}));
}

INSTANTIATE_TEST_SUITE_P(
    BadText, ParseModeSettingsRefuses,
    ::testing::Values("baud=", "baud=abc", "baud=0", "baud=-9600", "baud=+9600", "baud=9600x",
                      "baud=4000001", "baud=99999999999", "parity=x", "parity=", "parity=NO",
                      "data=9", "data=4", "data=8.0", "stop=0", "stop=3", "stop=1.5", "speed=9600",
                      "baud 9600", "=9600", "baud=115200 parity=N Data=8 stop=1 x", "xon=on",
                      "115200,n,8,1,x", "9600,q", "9600,n,9", "9600,n,8,3", ",n,8,1", "9600;n;8;1"),
    [](const auto& info) { return testName(info.param); });

struct DescribeCase {
    LineSettings settings;
    const char* expected;
};

class DescribeSettings : public ::testing::TestWithParam<DescribeCase> {};

TEST_P(DescribeSettings, WritesTheShortForm) {
    EXPECT_EQ(describeSettings(GetParam().settings), QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    All, DescribeSettings,
    ::testing::Values(DescribeCase{{115200, Parity::None, 8, 1}, "115200,n,8,1"},
                      DescribeCase{{9600, Parity::Even, 7, 2}, "9600,e,7,2"},
                      DescribeCase{{300, Parity::Odd, 5, 1}, "300,o,5,1"},
                      DescribeCase{{28800, Parity::Mark, 6, 1}, "28800,m,6,1"},
                      DescribeCase{{14400, Parity::Space, 8, 2}, "14400,s,8,2"}),
    [](const auto& info) { return testName(info.param.expected); });

} // namespace
} // namespace nimbrel::platform
