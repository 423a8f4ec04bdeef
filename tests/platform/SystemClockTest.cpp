#include "TestNames.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sys/prctl.h>

namespace nimbrel::platform {
namespace {

class SystemClockSleep : public ::testing::TestWithParam<int> {};

TEST_P(SystemClockSleep, NeverReturnsEarly) {
    SystemClock clock;
    const auto before = std::chrono::steady_clock::now();
    const qint64 elapsedBefore = clock.elapsedMs();
    clock.sleepMs(GetParam());
    const auto slept = std::chrono::steady_clock::now() - before;
    EXPECT_GE(slept, std::chrono::milliseconds(GetParam()));
    EXPECT_GE(clock.elapsedMs() - elapsedBefore, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Lengths, SystemClockSleep, ::testing::Values(1, 2, 5, 17, 1000 + 3),
                         [](const auto& info) { return testName(info.param); });

TEST(SystemClock, SetsFineTimerSlack) {
    prctl(PR_SET_TIMERSLACK, 50000UL, 0UL, 0UL, 0UL);
    SystemClock clock;
    EXPECT_EQ(prctl(PR_GET_TIMERSLACK, 0UL, 0UL, 0UL, 0UL), 1);
}

TEST(SystemClock, NothingToSleep) {
    SystemClock clock;
    clock.sleepMs(0);
    clock.sleepMs(-5);
    EXPECT_TRUE(clock.now().isValid());
    EXPECT_EQ(clock.now().timeSpec(), Qt::LocalTime);
}

} // namespace
} // namespace nimbrel::platform
