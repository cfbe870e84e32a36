#include <gtest/gtest.h>

#include "framework/Timer.h"
#include "framework/headless/WindowTimers.h"

using namespace skl;

TEST(Timer, TicksEveryIntervalWhileEnabledWithAHandler) {
    TTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(300000);
    EXPECT_FALSE(timer.Running()) << "no handler, no system timer";
    timer.SetOnTimer([&](TComponent&) { ++ticks; });
    AdvanceTimers(299999);
    EXPECT_EQ(ticks, 0);
    AdvanceTimers(1);
    EXPECT_EQ(ticks, 1);
    AdvanceTimers(600000);
    EXPECT_EQ(ticks, 3);
    timer.SetEnabled(false);
    AdvanceTimers(600000);
    EXPECT_EQ(ticks, 3);
}

TEST(Timer, IntervalZeroMeansNoTicks) {
    TTimer timer(nullptr);
    int ticks = 0;
    timer.SetOnTimer([&](TComponent&) { ++ticks; });
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Running());
    AdvanceTimers(100000);
    EXPECT_EQ(ticks, 0);
}

TEST(Timer, PeriodsBeyondTheSystemLimitAreArmedAtTheLimit) {
    TTimer timer(nullptr);
    timer.SetOnTimer([](TComponent&) {});
    timer.SetInterval(0xFFFFFFF0u);
    EXPECT_EQ(LastArmedInterval(), MaxTimerInterval);
}
