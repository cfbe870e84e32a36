// The animator composes every frame of an animation as a plain compositor
// does from giflib's decoded frames: pixel for pixel, frame after frame and
// after any jump, for every disposal, transparent frames and frames smaller
// than the screen.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include "GifBuilder.h"
#include "GifTestSupport.h"
#include "GiflibFile.h"
#include "ReferenceComposition.h"
#include "framework/application/Application.h"
#include "framework/graphics/Colors.h"
#include "gif/GIFAnimator.h"

using namespace skl;
using gifbuild::Frame;
using gifbuild::GifBuilder;
using gifbuild::PatternFrame;

namespace {

reference::Picture Pixels(TBitmap& bitmap) {
    reference::Picture pixels;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) pixels.push_back(bitmap.Canvas().Pixel(x, y));
    return pixels;
}

// What shows where no frame has drawn: the first frame's transparent colour,
// else the backdrop of a picture with transparent frames, else the window colour.
std::uint32_t Background(GifFileType* file) {
    bool anyTransparent = false;
    for (int k = 0; k < file->ImageCount; ++k) {
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
        DGifSavedExtensionToGCB(file, k, &control);
        const ColorMapObject* colors =
            file->SavedImages[k].ImageDesc.ColorMap ? file->SavedImages[k].ImageDesc.ColorMap : file->SColorMap;
        if (control.TransparentColor == NO_TRANSPARENT_COLOR) continue;
        if (k == 0) return reference::ColorOf(colors->Colors[control.TransparentColor]);
        anyTransparent = true;
    }
    if (anyTransparent && file->SColorMap && file->SBackGroundColor < file->SColorMap->ColorCount)
        return reference::ColorOf(file->SColorMap->Colors[file->SBackGroundColor]);
    return ColorToRGB(clWindow);
}

void ExpectSameComposition(const std::string& bytes) {
    GiflibFile file(bytes);
    ASSERT_TRUE(file);
    std::vector<reference::Picture> expected;
    reference::ComposeFrames(file.get(), Background(file.get()),
                             [&](int, const reference::Picture& picture) { expected.push_back(picture); });

    TApplication application;
    TGIFAnimator animator(nullptr);
    TGIFImage image;
    Parse(image, bytes);
    animator.SetImage(image);
    ASSERT_EQ(animator.Image().FrameCount(), static_cast<int>(expected.size()));
    const int count = static_cast<int>(expected.size());
    // In order each frame builds on the one before; backwards every frame starts afresh.
    for (int pass = 0; pass < 2; ++pass) {
        for (int step = 0; step < count; ++step) {
            const int k = pass == 0 ? step : count - 1 - step;
            TColor key = clNone;
            TBitmap& composed = animator.ComposeFrame(k, key);
            ASSERT_EQ(composed.Width(), file->SWidth);
            ASSERT_EQ(composed.Height(), file->SHeight);
            EXPECT_EQ(Pixels(composed), expected[static_cast<std::size_t>(k)])
                << "frame " << k << (pass == 0 ? " in order" : " after a jump");
        }
    }
}

Frame Placed(Frame frame, int left, int top, int localBits = 0, bool interlaced = false) {
    frame.left = left;
    frame.top = top;
    frame.localBits = localBits;
    frame.interlaced = interlaced;
    return frame;
}

}  // namespace

TEST(AnimatorPeer, EveryDisposalWithSmallAndTransparentFrames) {
    GifBuilder gif;
    gif.Screen(40, 30, 4, 3);
    gif.GraphicControl(1, 10).Image(PatternFrame(40, 30, 16, 1, 4));
    gif.GraphicControl(2, 10, 5).Image(Placed(PatternFrame(20, 10, 16, 2, 4), 5, 4));
    gif.GraphicControl(3, 10).Image(Placed(PatternFrame(12, 12, 16, 3, 4), 25, 15, 4));
    gif.GraphicControl(0, 10, 7).Image(Placed(PatternFrame(30, 20, 16, 4, 4), 2, 2));
    gif.GraphicControl(3, 10, 1).Image(Placed(PatternFrame(16, 9, 16, 5, 4), 10, 18, 0, true));
    gif.GraphicControl(2, 10).Image(Placed(PatternFrame(9, 7, 16, 6, 4), 0, 0));
    gif.GraphicControl(1, 10, 2).Image(Placed(PatternFrame(40, 30, 16, 7, 4), 0, 0));
    gif.GraphicControl(4, 10).Image(Placed(PatternFrame(8, 8, 16, 8, 4), 30, 1));
    gif.GraphicControl(1, 10).Image(Placed(PatternFrame(11, 5, 16, 9, 4), 3, 24, 4, true));
    ExpectSameComposition(gif.Trailer().Bytes());
}

TEST(AnimatorPeer, AFirstFrameWithATransparentColourShowsItWhereNothingIsDrawn) {
    GifBuilder gif;
    gif.Screen(24, 16, 3, 6);
    gif.GraphicControl(2, 5, 0).Image(PatternFrame(24, 16, 8, 11, 3));
    gif.GraphicControl(1, 5, 4).Image(Placed(PatternFrame(10, 6, 8, 12, 3), 7, 5));
    gif.GraphicControl(3, 5, 4).Image(Placed(PatternFrame(24, 16, 8, 13, 3), 0, 0));
    gif.GraphicControl(1, 5).Image(Placed(PatternFrame(5, 5, 8, 14, 3), 19, 11));
    ExpectSameComposition(gif.Trailer().Bytes());
}

TEST(AnimatorPeer, TheBackdropShowsBeneathTheTransparentFramesOfALaterStart) {
    GifBuilder gif;
    gif.Screen(30, 20, 5, 9);
    gif.GraphicControl(2, 5).Image(Placed(PatternFrame(10, 10, 32, 21, 5), 4, 4));
    gif.GraphicControl(1, 5, 3).Image(Placed(PatternFrame(30, 20, 32, 22, 5), 0, 0, 5));
    gif.GraphicControl(2, 5, 3).Image(Placed(PatternFrame(30, 20, 32, 23, 5), 0, 0));
    gif.GraphicControl(1, 5, 8).Image(Placed(PatternFrame(14, 3, 32, 24, 5), 12, 15));
    ExpectSameComposition(gif.Trailer().Bytes());
}

TEST(AnimatorPeer, FullFramesStartTheCompositionAfresh) {
    GifBuilder gif;
    gif.Screen(32, 24, 6).Loop(0);
    for (int i = 0; i < 24; ++i) {
        const bool full = i % 5 == 0;
        const auto seed = static_cast<std::uint32_t>(100 + i);
        Frame frame = full ? PatternFrame(32, 24, 64, seed, 6)
                           : Placed(PatternFrame(4 + i, 3 + i / 2, 64, seed, 6), i % 9, i % 7);
        gif.GraphicControl(i % 4, 3, i % 3 == 0 ? 9 : -1).Image(frame);
    }
    ExpectSameComposition(gif.Trailer().Bytes());
}
