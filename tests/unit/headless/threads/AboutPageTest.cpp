#include <gtest/gtest.h>

#include "../ProgramFixture.h"
#include "HeldSleeps.h"
#include "framework/fake/Screen.h"
#include "framework/fake/ThreadStart.h"

using namespace skl;

namespace {

class AboutPage : public ProgramFixture {
protected:
    AboutPage() { fake::HoldSleeps(true); }
    ~AboutPage() override { fake::HoldSleeps(false); }

    // What the About page's window shows inside the animation.
    std::vector<TColor> Shown(TFormSkelvora1& window) {
        std::vector<TColor> pixels;
        for (int y = 8; y < 108; y += 9)
            for (int x = 8; x < 108; x += 9) pixels.push_back(fake::WindowPixel(window.Layout.TabSheet2.Handle(), x, y));
        return pixels;
    }
    // What the About page's window shows in `place`, row by row.
    std::vector<TColor> ShownIn(TFormSkelvora1& window, const TRect& place) {
        std::vector<TColor> pixels;
        for (int y = place.Top; y < place.Bottom; ++y)
            for (int x = place.Left; x < place.Right; ++x)
                pixels.push_back(fake::WindowPixel(window.Layout.TabSheet2.Handle(), x, y));
        return pixels;
    }
    // Frame 0 of the animation drawn `halves` halves as large: screen pixel
    // x of the picture shows its pixel x * 2 / halves.
    std::vector<TColor> FrameZeroScaled(TFormSkelvora1& window, int halves) {
        TColor key = clNone;
        TBitmap& picture = window.Layout.GIFAnimator1.ComposeFrame(0, key);
        std::vector<TColor> pixels;
        const int size = 100 * halves / 2;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) pixels.push_back(picture.Canvas().Pixel(x * 2 / halves, y * 2 / halves));
        return pixels;
    }
    // At `dpi` pixels per inch the animation takes `place` on the page, and
    // the About command shows frame 0 there, `halves` halves as large.
    void ExpectFrameZeroFills(int dpi, const TRect& place, int halves) {
        fake::SetScreenDpi(dpi);
        TFormSkelvora1& window = Start();
        EXPECT_EQ(window.Layout.GIFAnimator1.ScreenBounds(), place);
        window.About1.Click();
        application.ProcessMessages();
        EXPECT_TRUE(ShownIn(window, place) == FrameZeroScaled(window, halves));
    }
    // Frame k of the animation, sampled as Shown samples the window.
    std::vector<TColor> Frame(TFormSkelvora1& window, int k) {
        TColor key = clNone;
        TBitmap& picture = window.Layout.GIFAnimator1.ComposeFrame(k, key);
        std::vector<TColor> pixels;
        for (int y = 0; y < 100; y += 9)
            for (int x = 0; x < 100; x += 9) pixels.push_back(picture.Canvas().Pixel(x, y));
        return pixels;
    }
};

}  // namespace

TEST_F(AboutPage, TheAboutCommandStartsTheAnimationAndTheWorkerPaintsItsFrames) {
    TFormSkelvora1& window = Start();
    TGIFAnimator& animator = window.Layout.GIFAnimator1;
    EXPECT_EQ(animator.Parent(), &window.Layout.TabSheet2);
    EXPECT_EQ(animator.ScreenBounds(), (TRect{8, 8, 108, 108}));
    EXPECT_TRUE(animator.AsyncDrawing());
    EXPECT_FALSE(animator.Animate());
    EXPECT_EQ(animator.Image().FrameCount(), 0) << "no frames before the page is shown";
    EXPECT_EQ(fake::RunningThreads(), 0) << "and no worker";

    window.About1.Click();
    application.ProcessMessages();
    EXPECT_EQ(animator.Image().FrameCount(), 19);
    EXPECT_TRUE(animator.Animate());
    EXPECT_EQ(Shown(window), Frame(window, 0));
    held::AwaitSleep(1);
    EXPECT_EQ(fake::SleepRequests(), std::vector<std::uint32_t>{100});
    held::Tick();
    EXPECT_EQ(Shown(window), Frame(window, 1)) << "drawn by the worker, with no message handled";

    // Hidden, the animation rests, its frames and its worker go; shown
    // again, it goes on from there.
    window.Layout.BitBtn1.Click();
    fake::ReleaseSleeps(1);
    EXPECT_TRUE(fake::WaitForThreadsToEnd());
    EXPECT_EQ(fake::SleepRequests().size(), 2u);
    EXPECT_EQ(animator.Image().FrameCount(), 0);
    window.About1.Click();
    application.ProcessMessages();
    held::AwaitSleep(3);
    held::Tick();
    EXPECT_TRUE(animator.Animate());
    EXPECT_EQ(Shown(window), Frame(window, 2));
}

// On a finer screen the animation's place grows with the page, and the
// picture fills it: at 192 pixels per inch each of its pixels is 2 x 2
// screen pixels, at 144 one or two wide and high in turn.
TEST_F(AboutPage, AtTwiceTheResolutionEachPixelOfTheAnimationIsTwoByTwo) {
    ExpectFrameZeroFills(192, {16, 16, 216, 216}, 4);
}

TEST_F(AboutPage, AtOneAndAHalfTimesTheResolutionThePictureIsStretchedToItsPlace) {
    ExpectFrameZeroFills(144, {12, 12, 162, 162}, 3);
}
