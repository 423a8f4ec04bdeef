#include "Options.h"
#include "TestNames.h"

#include <gtest/gtest.h>

namespace nimbrel::sim {
namespace {

ParsedOptions parse(std::vector<std::string> args) {
    return parseOptions(args);
}

TEST(Options, DefaultsToT260WithoutPortTraceOrFaults) {
    const ParsedOptions p = parse({});
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(p.options->model->name, "T260");
    EXPECT_FALSE(p.options->com);
    EXPECT_TRUE(p.options->tracePath.empty());
    EXPECT_TRUE(p.options->faults.empty());
    EXPECT_TRUE(p.options->statePath.empty());
    EXPECT_TRUE(p.options->currentMark);
    EXPECT_FALSE(p.options->help);
}

TEST(Options, ReadsTheStoreOptions) {
    const ParsedOptions p = parse({"--state", "/tmp/printer state", "--no-current-mark"});
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(p.options->statePath, "/tmp/printer state");
    EXPECT_FALSE(p.options->currentMark);
    const ParsedOptions inlineForm = parse({"--state=/var/tmp/s"});
    ASSERT_TRUE(inlineForm.options) << inlineForm.error;
    EXPECT_EQ(inlineForm.options->statePath, "/var/tmp/s");
}

TEST(Options, AlterWritesIsAFlag) {
    EXPECT_FALSE(parse({}).options->alterWrites);
    const ParsedOptions p = parse({"--alter-writes"});
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_TRUE(p.options->alterWrites);
    EXPECT_FALSE(parse({"--alter-writes=1"}).options);
}

TEST(Options, ReadsEveryOptionInBothForms) {
    const ParsedOptions p =
        parse({"--model", "T93Z", "--com=7", "--trace", "/tmp/t.log", "--fault", "cut=2@i",
               "--fault=hangup", "--occupy-marks", "1,5,85,5", "--occupy-logos=0,7,255"});
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(p.options->model->name, "T93Z");
    EXPECT_EQ(p.options->com, 7);
    EXPECT_EQ(p.options->tracePath, "/tmp/t.log");
    EXPECT_EQ(p.options->faults,
              (std::vector<Fault>{Fault{FaultKind::Cut, 2, 'i'}, Fault{FaultKind::Hangup, 1, {}}}));
    EXPECT_EQ(p.options->occupiedMarks, (std::vector<int>{1, 5, 85}));
    EXPECT_EQ(p.options->occupiedLogos, (std::vector<int>{0, 7, 255}));
}

TEST(Options, ModelNameIgnoresCase) {
    const ParsedOptions p = parse({"--model", "t75z"});
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(p.options->model->name, "T75Z");
}

class BadArguments : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(BadArguments, AreRefusedWithAReason) {
    const ParsedOptions p = parse(GetParam());
    EXPECT_FALSE(p.options);
    EXPECT_FALSE(p.error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadArguments,
    ::testing::Values(
        std::vector<std::string>{"--model", "T950"}, std::vector<std::string>{"--model"},
        std::vector<std::string>{"--com", "0"}, std::vector<std::string>{"--com", "256"},
        std::vector<std::string>{"--com", "7a"}, std::vector<std::string>{"--com="},
        std::vector<std::string>{"--trace", ""}, std::vector<std::string>{"--state", ""},
        std::vector<std::string>{"--state"}, std::vector<std::string>{"--no-current-mark=1"},
        std::vector<std::string>{"--fault", "cut"}, std::vector<std::string>{"--occupy-marks", "0"},
        std::vector<std::string>{"--occupy-marks", "86"},
        std::vector<std::string>{"--occupy-marks", "1,,2"},
        std::vector<std::string>{"--occupy-logos", "256"},
        std::vector<std::string>{"--occupy-logos", ""}, std::vector<std::string>{"--verbose"},
        std::vector<std::string>{"T936"}),
    [](const auto& info) { return testName(info.param); });

TEST(Options, HelpIsRecognised) {
    const ParsedOptions p = parse({"--help"});
    ASSERT_TRUE(p.options);
    EXPECT_TRUE(p.options->help);
}

TEST(Options, VersionIsRecognisedAndTakesNoValue) {
    const ParsedOptions p = parse({"--model", "T936", "--version"});
    ASSERT_TRUE(p.options);
    EXPECT_TRUE(p.options->version);
    EXPECT_FALSE(p.options->help);
    EXPECT_FALSE(parse({"--version=1"}).options);
    EXPECT_FALSE(parse({}).options->version);
}

} // namespace
} // namespace nimbrel::sim
