#include <gtest/gtest.h>

#include "../ProgramFixture.h"
#include "framework/fake/ThreadStart.h"

using namespace skl;

namespace {

class AboutPage : public ProgramFixture {};

}  // namespace

TEST_F(AboutPage, TheAboutCommandStartsTheAnimationForTheRestOfTheRun) {
    TFormSkelvora1& window = Start();
    TGIFAnimator& animator = window.Layout.GIFAnimator1;
    EXPECT_EQ(animator.Parent(), &window.Layout.TabSheet2);
    EXPECT_EQ(animator.ScreenBounds(), (TRect{8, 8, 108, 108}));
    EXPECT_TRUE(animator.AsyncDrawing());
    EXPECT_EQ(animator.Image().FrameCount(), 19);
    EXPECT_FALSE(animator.Animate());
    window.About1.Click();
    EXPECT_TRUE(animator.Animate());
    window.Layout.BitBtn1.Click();
    window.Options1.Click();
    EXPECT_TRUE(animator.Animate()) << "nothing stops it";
}
