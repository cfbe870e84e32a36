// Window timers as the program relies on them.
#include <vector>

#include "Backend.h"
#include "framework/application/Application.h"
#include "framework/system/Window.h"

using namespace skl;

namespace {

class TimerConformance : public conformance::Test {
protected:
    std::vector<unsigned> Ticks() {
        application.ProcessMessages();
        return std::exchange(ticks_, {});
    }

    TApplication application;
    std::vector<unsigned> ticks_;
    TWindow window{UtilityWindow(), [this](TMessage& message) {
                       if (message.Msg == wm::Timer)
                           ticks_.push_back(static_cast<unsigned>(message.WParam));
                       else
                           window.DefaultHandler(message);
                   }};
};

}  // namespace

TEST_F(TimerConformance, ATimerTicksWithItsIdentifierOnceItsPeriodHasPassed) {
    ASSERT_TRUE(window.SetTimer(5, 50));
    EXPECT_TRUE(Ticks().empty());
    conformance::LetTimePass(80);
    EXPECT_EQ(Ticks(), std::vector<unsigned>{5});
}

TEST_F(TimerConformance, TicksNeverPileUpWhileTheLoopIsBusy) {
    ASSERT_TRUE(window.SetTimer(5, 30));
    conformance::LetTimePass(200);
    EXPECT_EQ(Ticks(), std::vector<unsigned>{5});
}

TEST_F(TimerConformance, AKilledTimerTicksNoMore) {
    ASSERT_TRUE(window.SetTimer(5, 30));
    conformance::LetTimePass(50);
    window.KillTimer(5);
    conformance::LetTimePass(100);
    EXPECT_TRUE(Ticks().empty()) << "not even the tick that came due before the kill";
}
