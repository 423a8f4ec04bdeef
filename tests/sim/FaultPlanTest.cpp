#include "FaultPlan.h"
#include "TestNames.h"

#include <gtest/gtest.h>

#include <ostream>

namespace nimbrel::sim {
namespace {

struct ParseCase {
    const char* text;
    std::optional<Fault> expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << "'" << c.text << "'";
}

class ParseFault : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseFault, ReadsKindValueAndLetter) {
    std::string error;
    const auto fault = parseFault(GetParam().text, error);
    EXPECT_EQ(fault, GetParam().expected);
    EXPECT_EQ(error.empty(), fault.has_value()) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseFault,
    ::testing::Values(ParseCase{"no-reply", Fault{FaultKind::NoReply, 0, std::nullopt}},
                      ParseCase{"no-reply@i", Fault{FaultKind::NoReply, 0, 'i'}},
                      ParseCase{"no-reply@\\", Fault{FaultKind::NoReply, 0, 0x5C}},
                      ParseCase{"cut=2", Fault{FaultKind::Cut, 2, std::nullopt}},
                      ParseCase{"cut=0@w", Fault{FaultKind::Cut, 0, 'w'}},
                      ParseCase{"delay=750", Fault{FaultKind::Delay, 750, std::nullopt}},
                      ParseCase{"garbage@M", Fault{FaultKind::Garbage, 0, 'M'}},
                      ParseCase{"split", Fault{FaultKind::Split, 10, std::nullopt}},
                      ParseCase{"split=40@\\", Fault{FaultKind::Split, 40, 0x5C}},
                      ParseCase{"hangup", Fault{FaultKind::Hangup, 1, std::nullopt}},
                      ParseCase{"hangup=3@i", Fault{FaultKind::Hangup, 3, 'i'}},
                      ParseCase{"pad=9@r", Fault{FaultKind::Pad, 9, 'r'}},
                      ParseCase{"pad", std::nullopt}, ParseCase{"cut", std::nullopt},
                      ParseCase{"delay", std::nullopt}, ParseCase{"cut=", std::nullopt},
                      ParseCase{"cut=-1", std::nullopt}, ParseCase{"cut=2x", std::nullopt},
                      ParseCase{"cut=99999999999", std::nullopt},
                      ParseCase{"hangup=0", std::nullopt}, ParseCase{"no-reply=3", std::nullopt},
                      ParseCase{"garbage=1", std::nullopt}, ParseCase{"no-reply@", std::nullopt},
                      ParseCase{"no-reply@iw", std::nullopt}, ParseCase{"noreply", std::nullopt},
                      ParseCase{"", std::nullopt}, ParseCase{"CUT=2", std::nullopt}),
    [](const auto& info) { return testName(info.param.text); });

const Bytes kVersion{0x11, 0x69, 0x0E};
const Bytes kHours{0x11, 0x77, 0x0E};
const Bytes kSetLines{0x0C, 0x53, 0x32, 0x0E};
const Bytes kReply{0x06, 0x54, 0x39, 0x33, 0x36, 0x00};

ReplyPlan planFor(std::vector<Fault> faults, const Bytes& command, Bytes reply = kReply) {
    FaultPlan plan(std::move(faults));
    std::mt19937 random(7);
    return plan.plan(command, std::move(reply), random);
}

TEST(FaultPlan, WithoutFaultsTheReplyGoesOutWhole) {
    const ReplyPlan p = planFor({}, kVersion);
    EXPECT_EQ(p.first, kReply);
    EXPECT_TRUE(p.second.empty());
    EXPECT_EQ(p.delay, Millis{0});
    EXPECT_FALSE(p.hangup);
    EXPECT_TRUE(p.applied.empty());
}

TEST(FaultPlan, LetterLimitsAFaultToItsCommands) {
    const std::vector<Fault> faults{Fault{FaultKind::NoReply, 0, 'i'}};
    EXPECT_TRUE(planFor(faults, kVersion).first.empty());
    EXPECT_EQ(planFor(faults, kHours).first, kReply);
}

struct ShapeCase {
    const char* name;
    Fault fault;
    Bytes first;
    Bytes second;
    Millis delay;
    Millis pause;
};

void PrintTo(const ShapeCase& c, std::ostream* os) {
    *os << c.name;
}

class ReplyShape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ReplyShape, FollowsTheFault) {
    const ShapeCase& c = GetParam();
    const ReplyPlan p = planFor({c.fault}, kVersion);
    EXPECT_EQ(p.first, c.first);
    EXPECT_EQ(p.second, c.second);
    EXPECT_EQ(p.delay, c.delay);
    EXPECT_EQ(p.pause, c.pause);
    EXPECT_FALSE(p.hangup);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReplyShape,
    ::testing::Values(
        ShapeCase{"noreply", {FaultKind::NoReply, 0, {}}, {}, {}, Millis{0}, Millis{0}},
        ShapeCase{"cut2", {FaultKind::Cut, 2, {}}, {0x06, 0x54}, {}, Millis{0}, Millis{0}},
        ShapeCase{"cut0", {FaultKind::Cut, 0, {}}, {}, {}, Millis{0}, Millis{0}},
        ShapeCase{"cutlonger", {FaultKind::Cut, 50, {}}, kReply, {}, Millis{0}, Millis{0}},
        ShapeCase{"delay", {FaultKind::Delay, 300, {}}, kReply, {}, Millis{300}, Millis{0}},
        ShapeCase{"pad2",
                  {FaultKind::Pad, 2, {}},
                  {0x06, 0x54, 0x39, 0x33, 0x36, 0x00, 0x00, 0x00},
                  {},
                  Millis{0},
                  Millis{0}},
        ShapeCase{"split",
                  {FaultKind::Split, 10, {}},
                  {0x06, 0x54, 0x39},
                  {0x33, 0x36, 0x00},
                  Millis{0},
                  Millis{10}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FaultPlan, SplitOfAnOddReplyPutsTheLargerHalfFirst) {
    const ReplyPlan p = planFor({Fault{FaultKind::Split, 25, {}}}, kVersion, Bytes{1, 2, 3});
    EXPECT_EQ(p.first, (Bytes{1, 2}));
    EXPECT_EQ(p.second, (Bytes{3}));
    EXPECT_EQ(p.pause, Millis{25});
}

TEST(FaultPlan, GarbageKeepsTheLengthButNotTheBytes) {
    const Bytes reply(64, 0x4E);
    const ReplyPlan p = planFor({Fault{FaultKind::Garbage, 0, {}}}, kVersion, reply);
    ASSERT_EQ(p.first.size(), reply.size());
    EXPECT_NE(p.first, reply);
}

TEST(FaultPlan, CutThenSplitWorkOnTheCutReply) {
    const ReplyPlan p =
        planFor({Fault{FaultKind::Cut, 4, {}}, Fault{FaultKind::Split, 5, {}}}, kVersion);
    EXPECT_EQ(p.first, (Bytes{0x06, 0x54}));
    EXPECT_EQ(p.second, (Bytes{0x39, 0x33}));
}

TEST(FaultPlan, SetCommandsHaveNoReplyToSpoil) {
    const ReplyPlan p = planFor(
        {Fault{FaultKind::Garbage, 0, {}}, Fault{FaultKind::Delay, 100, {}}}, kSetLines, Bytes{});
    EXPECT_TRUE(p.first.empty());
    EXPECT_EQ(p.delay, Millis{0});
}

TEST(FaultPlan, HangupFiresOnceAfterTheNthMatchingCommand) {
    FaultPlan plan({Fault{FaultKind::Hangup, 2, 'i'}});
    std::mt19937 random(1);
    std::vector<bool> hangups;
    for (const Bytes* command : {&kVersion, &kHours, &kSetLines, &kVersion, &kVersion, &kVersion}) {
        const ReplyPlan p = plan.plan(*command, kReply, random);
        hangups.push_back(p.hangup);
        EXPECT_EQ(p.first, kReply);
    }
    EXPECT_EQ(hangups, (std::vector<bool>{false, false, false, true, false, false}));
}

TEST(FaultPlan, HangupCountsCommandsWithoutReplyToo) {
    FaultPlan plan({Fault{FaultKind::Hangup, 2, {}}});
    std::mt19937 random(1);
    EXPECT_FALSE(plan.plan(kSetLines, {}, random).hangup);
    EXPECT_TRUE(plan.plan(kSetLines, {}, random).hangup);
}

} // namespace
} // namespace nimbrel::sim
