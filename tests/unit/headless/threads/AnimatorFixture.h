#pragma once
// A GIF animator at (8, 8) on a shown form, its timer's sleeps held by the
// test, and animations of solid frames to show on it.
#include <memory>
#include <string>
#include <vector>

#include "../../GifBuilder.h"
#include "../../GifTestSupport.h"
#include "HeldSleeps.h"
#include "../PaintFixture.h"
#include "framework/fake/ThreadStart.h"
#include "gif/GIFAnimator.h"

// A frame filled with one colour index of the test colours.
struct Shot {
    int Index = 0;
    int Delay = 10;  // hundredths of a second
    int Disposal = 1;
};

// `width` x `height`, 16 test colours, one full-size frame per shot.
inline std::string SolidAnimation(int width, int height, const std::vector<Shot>& shots) {
    gifbuild::GifBuilder gif;
    gif.Screen(width, height, 4);
    for (const Shot& shot : shots) {
        gifbuild::Frame frame;
        frame.width = width;
        frame.height = height;
        frame.pixels.assign(static_cast<std::size_t>(width * height), static_cast<std::uint8_t>(shot.Index));
        frame.lzw.minCodeSize = 4;
        gif.GraphicControl(shot.Disposal, shot.Delay).Image(frame);
    }
    return gif.Trailer().Bytes();
}

class AnimatorFixture : public PaintFixture {
protected:
    AnimatorFixture() {
        skl::fake::HoldSleeps(true);
        animator->SetParent(&form);
        animator->SetBounds(8, 8, 20, 10);
    }
    ~AnimatorFixture() override {
        animator.reset();
        skl::fake::HoldSleeps(false);
        EXPECT_TRUE(skl::fake::WaitForThreadsToEnd());
    }

    void Load(const std::string& bytes) {
        skl::TGIFImage image;
        Parse(image, bytes);
        animator->SetImage(image);
    }
    // The colour the window shows inside the animator.
    skl::TColor Shown() { return Pixel(10, 10); }
    static skl::TColor ColorOf(int index) { return gifbuild::TestColorValue(index); }

    std::unique_ptr<skl::TGIFAnimator> animator = std::make_unique<skl::TGIFAnimator>(nullptr);
};
