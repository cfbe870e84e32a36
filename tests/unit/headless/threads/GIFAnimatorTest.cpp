#include <gtest/gtest.h>

#include <future>
#include <string>
#include <thread>

#include "AnimatorFixture.h"
#include "Deadline.h"
#include "framework/core/Exceptions.h"
#include "framework/fake/Screen.h"
#include "framework/graphics/Colors.h"

using namespace skl;

namespace {

class GIFAnimator : public AnimatorFixture {
protected:
    // Notes every event of the animator.
    void Listen() {
        animator->SetOnChange([this](TComponent&) { events.push_back("change"); });
        animator->SetOnFrameChanged([this](TComponent&) {
            events.push_back("frame " + std::to_string(animator->FrameIndex()));
            eventThread = std::this_thread::get_id();
        });
        animator->SetOnStart([this](TComponent&) { events.push_back("start"); });
        animator->SetOnStop([this](TComponent&) { events.push_back("stop"); });
    }
    std::vector<std::string> TakeEvents() { return std::exchange(events, {}); }
    // One frame of 4 x 2 pixels in the test colours 1 to 8, row by row.
    void LoadFourByTwo() {
        gifbuild::GifBuilder gif;
        gifbuild::Frame frame;
        frame.width = 4;
        frame.height = 2;
        frame.pixels = {1, 2, 3, 4, 5, 6, 7, 8};
        frame.lzw.minCodeSize = 4;
        Load(gif.Screen(4, 2, 4).Image(frame).Trailer().Bytes());
    }

    std::vector<std::string> events;
    std::thread::id eventThread;
};

using Events = std::vector<std::string>;
using Sleeps = std::vector<std::uint32_t>;

// Notes where and how often the frame-changed step runs, whether or not a
// handler is set.
class WatchedAnimator : public TGIFAnimator {
public:
    using TGIFAnimator::TGIFAnimator;
    std::atomic<int> FrameChanges{0};
    std::atomic<std::thread::id> ChangedOn;

protected:
    void DoFrameChanged() override {
        ++FrameChanges;
        ChangedOn = std::this_thread::get_id();
        TGIFAnimator::DoFrameChanged();
    }
};

}  // namespace

TEST_F(GIFAnimator, StartsStillAndTakesThePicturesSize) {
    TGIFAnimator fresh(nullptr);
    EXPECT_FALSE(fresh.Animate());
    EXPECT_FALSE(fresh.AsyncDrawing());
    EXPECT_TRUE(fresh.AutoSize());
    EXPECT_FALSE(fresh.Center());
    EXPECT_EQ(fresh.FrameIndex(), 0);
    EXPECT_TRUE(fresh.Loop());
    EXPECT_FALSE(fresh.Stretch());
    EXPECT_TRUE(fresh.Transparent());
    EXPECT_TRUE(fresh.Image().Empty());
    EXPECT_EQ(fresh.ScreenBounds(), (TRect{0, 0, 105, 105}));

    Load(SolidAnimation(30, 12, {{1}, {2}}));
    EXPECT_EQ(animator->ScreenBounds(), (TRect{8, 8, 38, 20}));
    animator->SetBounds(1, 2, 50, 50);
    EXPECT_EQ(animator->ScreenBounds(), (TRect{1, 2, 31, 14}));
    animator->SetAutoSize(false);
    animator->SetBounds(1, 2, 50, 50);
    EXPECT_EQ(animator->ScreenBounds(), (TRect{1, 2, 51, 52}));
}

TEST_F(GIFAnimator, SettersRaiseTheirEventsInOrder) {
    Listen();
    application.ProcessMessages();
    Load(SolidAnimation(20, 10, {{1}, {2}, {3}}));
    EXPECT_EQ(TakeEvents(), Events{"change"});
    EXPECT_EQ(fake::InvalidRect(Window()), (TRect{8, 8, 28, 18}));

    animator->SetFrameIndex(2);
    animator->SetFrameIndex(2);
    animator->SetFrameIndex(3);
    animator->SetFrameIndex(-1);
    EXPECT_EQ(animator->FrameIndex(), 2);
    EXPECT_EQ(TakeEvents(), Events{"frame 2"});

    animator->SetAnimate(true);
    animator->SetAnimate(true);
    EXPECT_TRUE(animator->Animate());
    EXPECT_EQ(TakeEvents(), Events{"start"});
    animator->SetAnimate(false);
    animator->SetAnimate(false);
    EXPECT_EQ(TakeEvents(), Events{"stop"});

    animator->SetCenter(true);
    animator->SetStretch(true);
    animator->SetTransparent(false);
    animator->SetLoop(false);
    EXPECT_TRUE(TakeEvents().empty());
    EXPECT_TRUE(animator->Center());
    EXPECT_TRUE(animator->Stretch());
    EXPECT_FALSE(animator->Transparent());
    EXPECT_FALSE(animator->Loop());
}

TEST_F(GIFAnimator, EachFrameStaysForItsDelayWithinFiftyMillisecondsToTenSeconds) {
    Load(SolidAnimation(20, 10, {{1, 0}, {2, 3}, {3, 20}, {4, 1500}}));
    std::vector<std::uint32_t> delays;
    for (int i = 0; i < 4; ++i) {
        animator->SetFrameIndex(i);
        delays.push_back(animator->FrameDelay());
    }
    EXPECT_EQ(delays, (std::vector<std::uint32_t>{50, 50, 200, 10000}));

    // The first change comes a whole delay of the frame shown after the start.
    animator->SetFrameIndex(2);
    animator->SetAnimate(true);
    held::AwaitSleep(1);
    EXPECT_EQ(fake::SleepRequests(), std::vector<std::uint32_t>{200});

    Load(SolidAnimation(20, 10, {{1, 20}}));
    EXPECT_EQ(animator->FrameDelay(), 0u) << "one frame never changes";
}

TEST_F(GIFAnimator, APictureOfOneFrameNeverAnimatesThoughAnimateReadsTrue) {
    Listen();
    Load(SolidAnimation(20, 10, {{1, 20}}));
    TakeEvents();
    animator->SetAnimate(true);
    EXPECT_TRUE(animator->Animate());
    EXPECT_EQ(TakeEvents(), Events{"start"});
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(fake::SleepRequests().empty()) << "the worker stays paused";
}

TEST_F(GIFAnimator, TheWorkerAdvancesAndPaintsEachFrameIntoTheWindow) {
    Load(SolidAnimation(20, 10, {{1}, {2}, {3}}));
    animator->SetAsyncDrawing(true);
    PaintAll();
    EXPECT_EQ(Shown(), ColorOf(1));
    animator->SetAnimate(true);
    held::AwaitSleep(1);
    held::Tick();
    EXPECT_EQ(animator->FrameIndex(), 1);
    EXPECT_EQ(Shown(), ColorOf(2));
    EXPECT_EQ(fake::InvalidRect(Window()), std::nullopt) << "painted straight, not through the loop";
    held::Tick();
    held::Tick();
    EXPECT_EQ(animator->FrameIndex(), 0);
    EXPECT_EQ(Shown(), ColorOf(1));
    EXPECT_TRUE(animator->Animate()) << "a looping animation never stops";
    EXPECT_EQ(Pixel(7, 10), Face);
    EXPECT_EQ(Pixel(28, 10), Face);
}

TEST_F(GIFAnimator, WithoutAsyncDrawingEachFrameChangesInTheMessageLoop) {
    Listen();
    Load(SolidAnimation(20, 10, {{1}, {2}}));
    TakeEvents();
    animator->SetAnimate(true);
    held::AwaitSleep(1);
    fake::ReleaseSleeps(1);
    ASSERT_TRUE(fake::WaitForPendingMessages());
    EXPECT_EQ(animator->FrameIndex(), 0);
    application.ProcessMessages();
    EXPECT_EQ(animator->FrameIndex(), 1);
    EXPECT_EQ(Shown(), ColorOf(2));
    EXPECT_EQ(TakeEvents(), (Events{"start", "frame 1"}));
    EXPECT_EQ(eventThread, std::this_thread::get_id());
}

TEST_F(GIFAnimator, WithoutLoopOnePassEndsOnFrameZero) {
    for (const bool async : {true, false}) {
        SCOPED_TRACE(async);
        Listen();
        Load(SolidAnimation(20, 10, {{1}, {2}, {3}}));
        animator->SetAsyncDrawing(async);
        animator->SetLoop(false);
        const std::size_t slept = fake::SleepRequests().size();
        animator->SetAnimate(true);
        held::AwaitSleep(slept + 1);
        held::SynchronisedTick(application);
        held::SynchronisedTick(application);
        fake::ReleaseSleeps(1);
        // Without AsyncDrawing the whole tick is one call to the loop; with
        // it, the worker hands over the frame's event, then the stop.
        for (int call = 0; call < 2 && animator->Animate(); ++call) {
            ASSERT_TRUE(fake::WaitForPendingMessages());
            application.ProcessMessages();
        }
        EXPECT_FALSE(animator->Animate());
        EXPECT_EQ(animator->FrameIndex(), 0);
        EXPECT_EQ(Shown(), ColorOf(1));
        EXPECT_EQ(TakeEvents(), (Events{"change", "start", "frame 1", "frame 2", "frame 0", "stop"}));
        EXPECT_EQ(eventThread, std::this_thread::get_id());
    }
}

TEST_F(GIFAnimator, TheFrameChangedEventWaitsForTheLoopWithoutHoldingTheControl) {
    Listen();
    Load(SolidAnimation(20, 10, {{1}, {2}}));
    animator->SetAsyncDrawing(true);
    animator->SetAnimate(true);
    held::AwaitSleep(1);
    TakeEvents();
    fake::ReleaseSleeps(1);
    ASSERT_TRUE(fake::WaitForPendingMessages());
    // The worker waits for the event; the control's state stays reachable meanwhile.
    EXPECT_EQ(animator->FrameIndex(), 1);
    animator->SetCenter(true);
    application.ProcessMessages();
    held::AwaitSleep(2);
    EXPECT_EQ(TakeEvents(), Events{"frame 1"});
    EXPECT_EQ(eventThread, std::this_thread::get_id());
    EXPECT_EQ(Shown(), ColorOf(2));
}

TEST_F(GIFAnimator, WhileNobodyCanSeeItTheAnimationRestsUntilItIsPaintedAgain) {
    Load(SolidAnimation(20, 10, {{1}, {2}, {3}}));
    PaintAll();
    animator->SetAnimate(true);
    held::AwaitSleep(1);
    std::size_t slept = 1;
    for (TControl* hidden : {static_cast<TControl*>(&form), static_cast<TControl*>(animator.get())}) {
        const int frame = animator->FrameIndex();
        hidden->Hide();
        application.ProcessMessages();  // what the hiding itself posts
        fake::ReleaseSleeps(1);
        ASSERT_TRUE(fake::WaitForPendingMessages());
        application.ProcessMessages();
        EXPECT_EQ(animator->FrameIndex(), frame);
        EXPECT_TRUE(animator->Animate());
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(fake::SleepRequests().size(), slept) << "the worker rests";
        hidden->Show();
        application.ProcessMessages();
        held::AwaitSleep(++slept);
        held::SynchronisedTick(application);
        ++slept;
        EXPECT_EQ(animator->FrameIndex(), frame + 1);
        EXPECT_EQ(Shown(), ColorOf(frame + 2));
    }
}

TEST_F(GIFAnimator, CenterAndStretchPlaceThePictureInTheControl) {
    LoadFourByTwo();
    animator->SetAutoSize(false);
    animator->SetBounds(8, 8, 2, 6);
    animator->SetCenter(true);
    PaintAll();
    // Wider than the control: the picture sits at (-1, 2) and is cut.
    EXPECT_EQ(Row(9, 7, 11), (std::vector<TColor>{Face, Face, Face, Face}));
    EXPECT_EQ(Row(10, 7, 11), (std::vector<TColor>{Face, ColorOf(2), ColorOf(3), Face}));
    EXPECT_EQ(Row(11, 7, 11), (std::vector<TColor>{Face, ColorOf(6), ColorOf(7), Face}));
    EXPECT_EQ(Pixel(8, 8), SystemColor(15)) << "the parent's colour around the picture";

    animator->SetBounds(8, 8, 8, 4);
    animator->SetStretch(true);
    PaintAll();
    EXPECT_EQ(Row(8, 8, 16), (std::vector<TColor>{ColorOf(1), ColorOf(1), ColorOf(2), ColorOf(2), ColorOf(3),
                                                   ColorOf(3), ColorOf(4), ColorOf(4)}));
    EXPECT_EQ(Pixel(8, 11), ColorOf(5));
}

TEST_F(GIFAnimator, OnAFinerScreenThePictureIsCentredAtItsScaledSize) {
    fake::SetScreenDpi(192);
    LoadFourByTwo();
    animator->SetAutoSize(false);
    animator->SetBounds(4, 4, 6, 4);
    animator->SetCenter(true);
    PaintAll();
    // 12 x 8 screen pixels at (8, 8); the picture 8 x 4 in their middle.
    const TColor around = SystemColor(15);
    for (int y : {10, 11})
        EXPECT_EQ(Row(y, 8, 20), (std::vector<TColor>{around, around, ColorOf(1), ColorOf(1), ColorOf(2), ColorOf(2),
                                                        ColorOf(3), ColorOf(3), ColorOf(4), ColorOf(4), around, around}));
    EXPECT_EQ(Row(13, 8, 20)[2], ColorOf(5));
    EXPECT_EQ(Row(14, 8, 20)[2], around);
}

TEST_F(GIFAnimator, AnEmptyPictureShowsWhatLiesBeneath) {
    form.SetColor(0x00FF00);
    animator->SetAutoSize(false);
    PaintAll();
    EXPECT_EQ(Shown(), 0x00FF00u);
}

TEST_F(GIFAnimator, ATransparentPictureShowsTheParentThroughItsTransparentColour) {
    gifbuild::GifBuilder gif;
    gifbuild::Frame frame;
    frame.width = 3;
    frame.height = 1;
    frame.pixels = {1, 2, 1};
    frame.lzw.minCodeSize = 4;
    Load(gif.Screen(3, 1, 4).GraphicControl(1, 10, 1).Image(frame).Trailer().Bytes());
    form.SetColor(0x00FF00);
    PaintAll();
    EXPECT_EQ(Row(8, 7, 12), (std::vector<TColor>{Face, 0x00FF00, ColorOf(2), 0x00FF00, Face}));
    animator->SetTransparent(false);
    PaintAll();
    EXPECT_EQ(Row(8, 7, 12), (std::vector<TColor>{Face, ColorOf(1), ColorOf(2), ColorOf(1), Face}));
}

TEST_F(GIFAnimator, FromTheFirstAsyncDrawingOnABitmapIsNotDrawnWhileAnotherThreadHoldsIt) {
    TBitmap picture, target;
    picture.SetSize(2, 2);
    target.SetSize(2, 2);
    animator->SetAsyncDrawing(true);
    picture.Canvas().Lock();
    auto drawn = std::async(std::launch::async, [&] { target.Canvas().Draw(0, 0, picture); });
    EXPECT_EQ(drawn.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout);
    picture.Canvas().Unlock();
    drawn.get();
}

TEST_F(GIFAnimator, WithAsyncDrawingAndNoHandlerTheFrameChangeIsStillRaisedOnTheWorker) {
    WatchedAnimator watched(nullptr);
    watched.SetParent(&form);
    TGIFImage image;
    Parse(image, SolidAnimation(20, 10, {{1}, {2}}));
    watched.SetImage(image);
    watched.SetAsyncDrawing(true);
    watched.SetAnimate(true);
    held::AwaitSleep(1);
    held::Tick();
    held::Tick();
    EXPECT_EQ(watched.FrameChanges, 2);
    EXPECT_NE(watched.ChangedOn.load(), std::this_thread::get_id());
    watched.SetAnimate(false);
}

TEST_F(GIFAnimator, AFailingFrameChangedEventIsReportedAndTheNewFrameKeepsItsOwnDelay) {
    Load(SolidAnimation(20, 10, {{1, 10}, {2, 30}}));
    animator->SetAsyncDrawing(true);
    animator->SetOnFrameChanged([](TComponent&) { throw EReadError(SReadError); });
    animator->SetAnimate(true);
    held::AwaitSleep(1);
    held::SynchronisedTick(application);
    EXPECT_EQ(fake::SleepRequests(), (Sleeps{100, 300}));
    ASSERT_EQ(fake::MessageBoxesShown().size(), 1u);
    EXPECT_EQ(fake::MessageBoxesShown()[0].Text, "Stream read error.");
    EXPECT_TRUE(animator->Animate());
}

// An event run in the message loop for the worker's tick frees the animator:
// the tick ends without touching it, and nothing waits for ever.
TEST_F(GIFAnimator, AnEventOfTheTickMayFreeTheAnimator) {
    Deadline deadline;
    for (const bool async : {true, false}) {
        for (const bool onStop : {true, false}) {
            SCOPED_TRACE(testing::Message() << "async " << async << ", on stop " << onStop);
            if (!animator) {
                animator = std::make_unique<TGIFAnimator>(nullptr);
                animator->SetParent(&form);
            }
            Load(SolidAnimation(20, 10, {{1}, {2}}));
            animator->SetAsyncDrawing(async);
            animator->SetLoop(false);
            const TNotifyEvent free = [this](TComponent&) { animator.reset(); };
            if (onStop)
                animator->SetOnStop(free);
            else
                animator->SetOnFrameChanged(free);
            const std::size_t slept = fake::SleepRequests().size();
            animator->SetAnimate(true);
            held::AwaitSleep(slept + 1);
            for (int tick = 0; tick < 3 && animator; ++tick) {
                const std::size_t before = fake::SleepRequests().size();
                fake::ReleaseSleeps(1);
                // The tick hands its calls to the loop, or is done and sleeps again.
                while (animator && fake::SleepRequests().size() == before) {
                    application.ProcessMessages();
                    std::this_thread::yield();
                }
            }
            EXPECT_FALSE(animator);
            fake::HoldSleeps(false);
            EXPECT_TRUE(fake::WaitForThreadsToEnd()) << "the worker ends with its animator";
            fake::HoldSleeps(true);
        }
    }
}

TEST_F(GIFAnimator, ItsParentsWindowGoesAndComesBackWhileTheWorkerTicks) {
    TWinControl page(nullptr);
    page.SetParent(&form);
    page.SetBounds(0, 0, 60, 40);
    animator->SetParent(&page);
    Load(SolidAnimation(20, 10, {{1}, {2}, {3}}));
    animator->SetAsyncDrawing(true);  // the worker ticks and paints
    PaintAll();
    animator->SetAnimate(true);
    std::size_t slept = 1;
    held::AwaitSleep(slept);
    for (int round = 0; round < 3; ++round) {
        form.Hide();
        fake::ReleaseSleeps(1);  // the tick runs while the page's window goes
        application.ProcessMessages();
        ASSERT_TRUE(fake::WaitForThreadsToEnd()) << "nobody can see the frames: the worker rests";
        EXPECT_TRUE(ChildWindows(form.Handle()).empty());
        form.Show();
        application.ProcessMessages();
        held::AwaitSleep(++slept);
        EXPECT_EQ(ChildWindows(form.Handle()).size(), 1u);
    }
    held::Tick();
    EXPECT_EQ(fake::WindowPixel(page.Handle(), 10, 10), ColorOf(animator->FrameIndex() + 1))
        << "the animation goes on";
}
