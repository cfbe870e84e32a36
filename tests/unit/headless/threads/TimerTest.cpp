#include <gtest/gtest.h>

#include "../FreshFakes.h"
#include "framework/fake/Desktop.h"
#include "framework/application/Application.h"
#include "framework/core/Exceptions.h"
#include "framework/controls/Timer.h"

using namespace skl;

namespace {

class TimerTest : public FreshFakes {
protected:
    // Moves the clock on and lets the message loop deliver what came due.
    void Pass(unsigned milliseconds) {
        fake::AdvanceClock(milliseconds);
        application.ProcessMessages();
    }
    std::optional<unsigned> ArmedPeriod() {
        for (const auto& window : fake::Windows())
            if (auto period = fake::TimerPeriod(window.Handle, 1)) return period;
        return std::nullopt;
    }

    TApplication application;
    TTimer timer{nullptr};
    int ticks = 0;
};

}  // namespace

TEST_F(TimerTest, TicksEveryIntervalWhileEnabledWithAHandler) {
    timer.SetInterval(300000);
    EXPECT_FALSE(timer.Running()) << "no handler, no system timer";
    timer.SetOnTimer([&](TComponent&) { ++ticks; });
    Pass(299999);
    EXPECT_EQ(ticks, 0);
    Pass(1);
    EXPECT_EQ(ticks, 1);
    Pass(300000);
    EXPECT_EQ(ticks, 2);
    timer.SetEnabled(false);
    Pass(600000);
    EXPECT_EQ(ticks, 2);
}

TEST_F(TimerTest, IntervalZeroMeansNoTicks) {
    timer.SetOnTimer([&](TComponent&) { ++ticks; });
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Running());
    EXPECT_EQ(ArmedPeriod(), std::nullopt);
}

TEST_F(TimerTest, PeriodsBeyondTheSystemLimitAreArmedAtTheLimit) {
    timer.SetOnTimer([](TComponent&) {});
    timer.SetInterval(0xFFFFFFF0u);
    EXPECT_EQ(ArmedPeriod(), MaxTimerInterval);
}

TEST_F(TimerTest, AFailingTickIsReportedAndTheTimerGoesOn) {
    timer.SetInterval(1000);
    timer.SetOnTimer([&](TComponent&) {
        ++ticks;
        throw EReadError(SReadError);
    });
    Pass(1000);
    Pass(1000);
    EXPECT_EQ(ticks, 2);
    ASSERT_EQ(fake::MessageBoxesShown().size(), 2u);
    EXPECT_EQ(fake::MessageBoxesShown()[0].Text, "Stream read error.");
}
