// The threaded timer with a held clock: every sleep of its worker waits until
// the test lets it pass, so each tick comes exactly when the test says.
#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

#include "../FreshFakes.h"
#include "Deadline.h"
#include "HeldSleeps.h"
#include "framework/application/Application.h"
#include "framework/controls/ThreadedTimer.h"
#include "framework/core/Exceptions.h"
#include "framework/fake/Desktop.h"
#include "framework/fake/Sleep.h"
#include "framework/fake/ThreadStart.h"

using namespace skl;

namespace {

using Sleeps = std::vector<std::uint32_t>;

class ThreadedTimer : public FreshFakes {
protected:
    ThreadedTimer() {
        application.SetTitle("Skelvora");
        fake::HoldSleeps(true);
    }
    ~ThreadedTimer() override {
        timer.reset();
        fake::HoldSleeps(false);
        EXPECT_TRUE(fake::WaitForThreadsToEnd());
    }

    void AwaitSleep(std::size_t count) { held::AwaitSleep(count); }
    void Tick() { held::Tick(); }
    void SynchronisedTick() { held::SynchronisedTick(application); }
    void Count(TComponent&) {
        tickThread = std::this_thread::get_id();
        ++ticks;
    }
    TNotifyEvent Counter() {
        return [this](TComponent& sender) { Count(sender); };
    }

    TApplication application;
    std::unique_ptr<TThreadedTimer> timer = std::make_unique<TThreadedTimer>(nullptr);
    std::atomic<int> ticks{0};
    std::atomic<std::thread::id> tickThread;
};

}  // namespace

TEST_F(ThreadedTimer, TheWorkerRunsOnlyWhileEnabledWithAHandlerAndAnInterval) {
    timer->SetSyncEvent(false);
    timer->SetEnabled(false);
    timer->SetOnTimer(Counter());
    timer->SetInterval(0);
    timer->SetEnabled(true);
    EXPECT_EQ(fake::RunningThreads(), 0);
    timer->SetInterval(300);
    AwaitSleep(1);
    EXPECT_EQ(fake::SleepRequests(), Sleeps{300});
    Tick();
    EXPECT_EQ(ticks, 1);
    EXPECT_NE(tickThread.load(), std::this_thread::get_id());
}

TEST_F(ThreadedTimer, ANewIntervalOrHandlerTakesEffectAtTheNextTick) {
    timer->SetSyncEvent(false);
    timer->SetOnTimer(Counter());
    AwaitSleep(1);
    timer->SetInterval(40);
    timer->SetInterval(40);
    std::atomic<int> replaced{0};
    timer->SetOnTimer([&](TComponent&) { ++replaced; });
    Tick();
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(replaced, 1);
    EXPECT_EQ(fake::SleepRequests(), (Sleeps{1000, 40}));
}

TEST_F(ThreadedTimer, AWorkerStoppedDuringItsSleepEndsThereWithoutATickAndAnotherTakesOver) {
    timer->SetSyncEvent(false);
    timer->SetOnTimer(Counter());
    AwaitSleep(1);
    timer->SetEnabled(false);
    fake::ReleaseSleeps(1);
    EXPECT_TRUE(fake::WaitForThreadsToEnd());
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(fake::SleepRequests().size(), 1u);
    timer->SetEnabled(true);
    AwaitSleep(2);
    EXPECT_EQ(fake::RunningThreads(), 1);
    Tick();
    EXPECT_EQ(ticks, 1);
}

TEST_F(ThreadedTimer, AWorkerStoppedByItsOwnTickEndsWithThatTick) {
    timer->SetSyncEvent(false);
    timer->SetOnTimer([&](TComponent& sender) {
        Count(sender);
        timer->SetEnabled(false);
    });
    AwaitSleep(1);
    fake::ReleaseSleeps(1);
    EXPECT_TRUE(fake::WaitForThreadsToEnd());
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(fake::SleepRequests().size(), 1u);
}

TEST_F(ThreadedTimer, SyncEventRunsTheTickInTheMessageLoopWhileTheWorkerWaits) {
    EXPECT_TRUE(timer->SyncEvent());
    timer->SetOnTimer(Counter());
    AwaitSleep(1);
    fake::ReleaseSleeps(1);
    ASSERT_TRUE(fake::WaitForPendingMessages());
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(fake::SleepRequests().size(), 1u) << "the worker waits for its tick";
    application.ProcessMessages();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(tickThread.load(), std::this_thread::get_id());
    AwaitSleep(2);
    timer->SetSyncEvent(false);
    Tick();
    EXPECT_EQ(ticks, 2);
    EXPECT_NE(tickThread.load(), std::this_thread::get_id());
}

TEST_F(ThreadedTimer, AFailingTickIsReportedOnceAndTheTicksGoOn) {
    int round = 0;
    timer->SetOnTimer([&](TComponent&) {
        ++round;
        if (round == 1) throw EReadError(SReadError);
        if (round == 2) throw EAbort("silent");
        if (round == 3) throw EOutOfResources(SOutOfResources);
    });
    AwaitSleep(1);
    SynchronisedTick();
    SynchronisedTick();
    timer->SetSyncEvent(false);
    Tick();
    Tick();
    EXPECT_EQ(round, 4);
    EXPECT_EQ(fake::MessageBoxesShown(),
              (std::vector<fake::TMessageBoxShown>{{"Stream read error.", "Skelvora", TMessageBoxIcon::Error},
                                                   {"Out of system resources.", "Skelvora", TMessageBoxIcon::Error}}));
}

TEST_F(ThreadedTimer, WindowTimerModeTicksInTheMessageLoopWithoutAWorker) {
    const std::size_t windowsBefore = fake::Windows().size();
    timer->SetThreaded(false);
    timer->SetThreadPriority(TThreadPriority::tpHighest);
    timer->SetInterval(500);
    timer->SetOnTimer(Counter());
    ASSERT_EQ(fake::Windows().size(), windowsBefore + 1);
    const TWindowHandle window = fake::Windows().back().Handle;
    EXPECT_EQ(fake::TimerPeriod(window, 1), 500u);
    fake::AdvanceClock(500);
    application.ProcessMessages();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(tickThread.load(), std::this_thread::get_id());
    EXPECT_EQ(fake::RunningThreads(), 0);
    timer->SetEnabled(false);
    EXPECT_EQ(fake::TimerPeriod(window, 1), std::nullopt);
    EXPECT_TRUE(fake::WindowState(window)) << "the window stays while the timer is disabled";
    timer->SetEnabled(true);
    EXPECT_TRUE(fake::SleepRequests().empty());
    EXPECT_TRUE(fake::PrioritiesSet().empty());

    timer->SetThreaded(true);
    EXPECT_FALSE(fake::WindowState(window));
    AwaitSleep(1);
    EXPECT_EQ(fake::SleepRequests(), Sleeps{500});
    EXPECT_EQ(fake::PrioritiesSet(), std::vector<int>{2});
}

TEST_F(ThreadedTimer, AWindowTimerTheSystemCannotGiveFailsAndTheTimerStaysUsable) {
    timer->SetSyncEvent(false);
    timer->SetOnTimer(Counter());
    AwaitSleep(1);
    fake::RefuseTimers(true);
    try {
        timer->SetThreaded(false);
        FAIL() << "no exception";
    } catch (const EOutOfResources& error) {
        EXPECT_EQ(error.Message(), "Not enough timers available");
    }
    fake::RefuseTimers(false);
    // The switch stopped the worker: it ends after its sleep, without a tick.
    fake::ReleaseSleeps(1);
    EXPECT_TRUE(fake::WaitForThreadsToEnd());
    timer->SetInterval(70);
    timer->SetThreaded(true);
    AwaitSleep(2);
    Tick();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(fake::SleepRequests(), (Sleeps{1000, 70, 70}));
}

TEST_F(ThreadedTimer, DestroyedWhileTheWorkerSleepsItTicksNoMore) {
    timer->SetSyncEvent(false);
    timer->SetOnTimer(Counter());
    AwaitSleep(1);
    timer.reset();
    EXPECT_EQ(fake::RunningThreads(), 1) << "the worker finishes its sleep";
    fake::ReleaseSleeps(1);
    EXPECT_TRUE(fake::WaitForThreadsToEnd());
    EXPECT_EQ(ticks, 0);
}

TEST_F(ThreadedTimer, DestroyWaitsForATickInProgressOnTheWorker) {
    std::promise<void> entered, proceed;
    std::atomic<bool> tickReturned{false};
    timer->SetSyncEvent(false);
    timer->SetOnTimer([&](TComponent&) {
        entered.set_value();
        proceed.get_future().wait();
        tickReturned = true;
    });
    AwaitSleep(1);
    fake::ReleaseSleeps(1);
    entered.get_future().wait();
    auto destroyed = std::async(std::launch::async, [&] {
        timer.reset();
        return tickReturned.load();
    });
    EXPECT_EQ(destroyed.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout);
    proceed.set_value();
    EXPECT_TRUE(destroyed.get());
}

TEST_F(ThreadedTimer, DestroyedWhileASynchronisedTickWaitsForABusyLoop) {
    timer->SetOnTimer(Counter());
    AwaitSleep(1);
    fake::ReleaseSleeps(1);
    ASSERT_TRUE(fake::WaitForPendingMessages());
    timer.reset();
    application.ProcessMessages();
    EXPECT_EQ(ticks, 0);
    fake::HoldSleeps(false);
    EXPECT_TRUE(fake::WaitForThreadsToEnd());
}

TEST_F(ThreadedTimer, OnceTheApplicationTerminatesTheWorkerTicksNoMore) {
    timer->SetSyncEvent(false);
    timer->SetOnTimer(Counter());
    AwaitSleep(1);
    application.Terminate();
    application.ProcessMessages();
    ASSERT_TRUE(application.Terminated());
    fake::ReleaseSleeps(1);
    // A worker that ticked would sleep again; one that spun would never stop.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(fake::SleepRequests().size(), 1u);
    timer.reset();
    EXPECT_TRUE(fake::WaitForThreadsToEnd());
}

TEST_F(ThreadedTimer, ASynchronisedTickMayFreeItsOwnTimer) {
    Deadline deadline;
    timer->SetOnTimer([&](TComponent& sender) {
        Count(sender);
        timer.reset();
    });
    AwaitSleep(1);
    fake::ReleaseSleeps(1);
    ASSERT_TRUE(fake::WaitForPendingMessages());
    application.ProcessMessages();
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(timer);
    fake::HoldSleeps(false);
    EXPECT_TRUE(fake::WaitForThreadsToEnd()) << "the worker ends with its timer";
    EXPECT_EQ(fake::SleepRequests().size(), 1u) << "and never ticks again";
}

TEST_F(ThreadedTimer, TheTimerEndsWhileItsWorkerShowsAFailureReport) {
    Deadline deadline;
    std::promise<void> shown, closed;
    fake::SetWhileMessageBoxOpen([&](const fake::TMessageBoxShown&) {
        shown.set_value();
        closed.get_future().wait();
    });
    timer->SetSyncEvent(false);
    timer->SetOnTimer([](TComponent&) { throw EReadError(SReadError); });
    AwaitSleep(1);
    fake::ReleaseSleeps(1);
    shown.get_future().wait();
    timer.reset();  // the program closes with the report open
    closed.set_value();
    fake::HoldSleeps(false);
    EXPECT_TRUE(fake::WaitForThreadsToEnd());
    EXPECT_EQ(fake::SleepRequests().size(), 1u);
}
