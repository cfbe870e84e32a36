// The animator's worker ticking as fast as it can while the user-interface
// thread changes, paints and destroys the animator: the thread sanitizer run
// looks for races here, and every test must simply end.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "AnimatorFixture.h"

using namespace skl;

namespace {

// Lets every sleep of the worker pass at once while it lives.
class SleepPump {
public:
    SleepPump()
        : thread_([this] {
              while (!stop_) {
                  fake::ReleaseSleeps(1);
                  std::this_thread::yield();
              }
          }) {}
    ~SleepPump() {
        stop_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

class ThreadAnimatorStress : public AnimatorFixture {
protected:
    ThreadAnimatorStress() {
        Parse(first, SolidAnimation(20, 10, {{1}, {2}, {3}, {4}}));
        Parse(second, SolidAnimation(12, 6, {{5, 0, 2}, {6, 0, 3}, {7, 0, 0}}));
    }

    // Changes everything a user of the animator can change, round after
    // round, until the worker has ticked `ticks` times more.
    void Hammer(std::size_t ticks) {
        const std::size_t until = fake::SleepRequests().size() + ticks;
        for (int round = 0; fake::SleepRequests().size() < until && round < 100000; ++round) {
            animator->SetCenter(round % 2 == 0);
            animator->SetStretch(round % 3 == 0);
            animator->SetTransparent(round % 5 != 0);
            animator->SetFrameIndex(round % 4);
            if (round % 7 == 0) animator->SetImage(round % 14 == 0 ? second : first);
            if (round % 11 == 0) animator->Hide();
            if (round % 11 == 1) animator->Show();
            PaintAll();
            EXPECT_GE(animator->FrameIndex(), 0);
            std::this_thread::yield();
        }
    }

    TGIFImage first, second;
};

// Its worker's tick stays a moment inside the control's lock, right after
// the tick before it built a frame's bitmap; the test thread learns of it
// through a flag that orders nothing between the threads, so that whatever
// it reads of the picture without the lock is seen as the race it is.
class LingeringAnimator : public TGIFAnimator {
public:
    using TGIFAnimator::TGIFAnimator;
    std::atomic<int> Ticks{0};

protected:
    void DoFrameChanged() override {
        Ticks.fetch_add(1, std::memory_order_relaxed);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
};

}  // namespace

TEST_F(ThreadAnimatorStress, ThePictureIsReadUnderTheControlLockWhileTheWorkerBuildsItsFrames) {
    for (int round = 0; round < 5; ++round) {
        LingeringAnimator lingering(nullptr);
        lingering.SetParent(&form);
        TGIFImage fresh;  // no frame's bitmap built yet
        Parse(fresh, SolidAnimation(20, 10, {{1}, {2}}));
        lingering.SetImage(fresh);
        lingering.SetAsyncDrawing(true);
        lingering.SetAnimate(true);
        {
            SleepPump pump;
            // The second tick composes frame 0, the third lingers.
            for (int tick = 3; tick <= 6; ++tick) {
                while (lingering.Ticks.load(std::memory_order_relaxed) < tick) std::this_thread::yield();
                EXPECT_NE(lingering.Palette(), nullptr);
                lingering.AdjustSize();
            }
        }
        // No sleep passes any more: its tick over, the worker sleeps, and
        // the animator may go.
        fake::HoldSleeps(true);
        ASSERT_TRUE(fake::WaitForWaitingSleeps(1));
        lingering.SetAnimate(false);
    }
}

TEST_F(ThreadAnimatorStress, SettersAndPaintsWhileTheWorkerTicks) {
    animator->SetImage(first);
    animator->SetAsyncDrawing(true);
    animator->SetAnimate(true);
    {
        SleepPump pump;
        Hammer(1000);
    }
    animator->SetImage(first);
    animator->Show();
    PaintAll();
    const TColor shown = Shown();
    EXPECT_TRUE(shown == ColorOf(1) || shown == ColorOf(2) || shown == ColorOf(3) || shown == ColorOf(4));
}

TEST_F(ThreadAnimatorStress, SynchronousTicksWhileTheLoopIsBusy) {
    animator->SetImage(first);
    animator->SetOnFrameChanged([](TComponent&) {});
    animator->SetAnimate(true);
    SleepPump pump;
    for (int burst = 0; burst < 100; ++burst) Hammer(5);
    // Destroyed while a tick may wait for the loop.
    animator.reset();
}

TEST_F(ThreadAnimatorStress, DestroyedWhileTheWorkerTicks) {
    for (int life = 0; life < 40; ++life) {
        auto doomed = std::make_unique<TGIFAnimator>(nullptr);
        doomed->SetParent(&form);
        doomed->SetImage(life % 2 ? first : second);
        doomed->SetAsyncDrawing(life % 3 != 0);
        doomed->SetLoop(life % 4 != 0);
        doomed->SetOnFrameChanged([](TComponent&) {});
        doomed->SetAnimate(true);
        SleepPump pump;
        for (int step = 0; step < life % 5; ++step) {
            application.ProcessMessages();
            std::this_thread::yield();
        }
        doomed.reset();
    }
}
