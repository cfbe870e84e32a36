// What the animator keeps of a composition that fails.
#include <gtest/gtest.h>

#include "../../soak/HeapInUse.h"
#include "../GifBuilder.h"
#include "../GifTestSupport.h"
#include "FreshFakes.h"
#include "framework/application/Application.h"
#include "framework/core/Exceptions.h"
#include "gif/GIFAnimator.h"

using namespace skl;

namespace {

// A screen of `side` x `side` with two small opaque frames, then a frame
// whose code size is out of range.
std::string BrokenThirdFrame(int side) {
    gifbuild::GifBuilder gif;
    gif.Screen(side, side, 4).Image(gifbuild::PatternFrame(16, 16, 16, 1, 4));
    gif.Image(gifbuild::PatternFrame(16, 16, 16, 2, 4));
    const std::size_t third = gif.Bytes().size();
    std::string bytes = gif.Image(gifbuild::PatternFrame(16, 16, 16, 3, 4)).Trailer().Bytes();
    bytes[third + 10] = 1;
    return bytes;
}

class AnimatorComposition : public FreshFakes {
protected:
    TApplication application;
};

}  // namespace

TEST_F(AnimatorComposition, AFailedCompositionKeepsNoHalfBuiltPicture) {
    TGIFAnimator animator(nullptr);
    TGIFImage image;
    Parse(image, BrokenThirdFrame(1500));
    animator.SetImage(image);
    animator.Image().TolerateDamage = false;
    TColor key = clNone;
    animator.ComposeFrame(0, key);
    const std::size_t composed = HeapInUse();

    // A jump: the picture is begun anew, and the one of frame 0 goes.
    key = clNone;
    EXPECT_THROW(animator.ComposeFrame(2, key), EInvalidGraphicOperation);
    // Each screen-sized picture takes 6.75 MB.
    EXPECT_LT(HeapInUse(), composed - 6'000'000);

    key = clNone;
    EXPECT_EQ(animator.ComposeFrame(0, key).Width(), 1500) << "and the next composition works";
}
