// The animator composes every frame of an animation as a plain compositor
// does from giflib's decoded frames: pixel for pixel, frame after frame and
// after any jump, for every disposal, transparent frames and frames smaller
// than the screen; gifframes --composed writes those pictures.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "GifBuilder.h"
#include "GifTestSupport.h"
#include "GiflibFile.h"
#include "ReferenceComposition.h"
#include "TempFolder.h"
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

// The plain compositor's picture after each frame.
std::vector<reference::Picture> ReferenceFrames(const std::string& bytes) {
    GiflibFile file(bytes);
    std::vector<reference::Picture> pictures;
    if (!file) return pictures;
    reference::ComposeFrames(file.get(), Background(file.get()),
                             [&](int, const reference::Picture& picture) { pictures.push_back(picture); });
    return pictures;
}

void ExpectSameComposition(const std::string& bytes) {
    GiflibFile file(bytes);
    ASSERT_TRUE(file);
    const std::vector<reference::Picture> expected = ReferenceFrames(bytes);

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

// Full-size opaque frames restored to the picture before them among smaller
// frames that stay, over a first frame whose transparent colour (index 5)
// shows where nothing is drawn.
constexpr int FirstFramesKey = 5;

std::string RestoredFullFrames() {
    GifBuilder gif;
    gif.Screen(30, 20, 4);
    gif.GraphicControl(1, 10, FirstFramesKey).Image(PatternFrame(30, 20, 16, 31, 4));
    gif.GraphicControl(1, 10).Image(Placed(PatternFrame(12, 8, 16, 32, 4), 3, 2));
    gif.GraphicControl(3, 10).Image(PatternFrame(30, 20, 16, 33, 4));
    gif.GraphicControl(1, 10).Image(Placed(PatternFrame(9, 6, 16, 34, 4), 15, 10));
    gif.GraphicControl(3, 10).Image(PatternFrame(30, 20, 16, 35, 4));
    gif.GraphicControl(3, 10).Image(PatternFrame(30, 20, 16, 36, 4));
    gif.GraphicControl(1, 10).Image(Placed(PatternFrame(5, 5, 16, 37, 4), 20, 12));
    return gif.Trailer().Bytes();
}

// A BMP file as gifframes writes it: its size, depth and pixels (top row first).
struct BmpFile {
    int Width = 0, Height = 0, Bits = 0;
    reference::Picture Pixels;
};

BmpFile ReadBmp(const std::string& bytes) {
    const auto byte = [&](std::size_t at) { return std::uint32_t{static_cast<std::uint8_t>(bytes[at])}; };
    const auto word = [&](std::size_t at) { return byte(at) | byte(at + 1) << 8 | byte(at + 2) << 16 | byte(at + 3) << 24; };
    BmpFile bmp;
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0) return bmp;
    bmp.Width = static_cast<int>(word(18));
    bmp.Height = static_cast<int>(word(22));
    bmp.Bits = static_cast<int>(byte(28) | byte(29) << 8);
    if (bmp.Bits != 24) return bmp;
    const std::size_t pitch = (static_cast<std::size_t>(bmp.Width) * 3 + 3) / 4 * 4;
    for (int y = bmp.Height - 1; y >= 0; --y)
        for (int x = 0; x < bmp.Width; ++x) {
            const std::size_t at = word(10) + static_cast<std::size_t>(y) * pitch + static_cast<std::size_t>(x) * 3;
            bmp.Pixels.push_back(byte(at + 2) | byte(at + 1) << 8 | byte(at) << 16);
        }
    return bmp;
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

TEST(AnimatorPeer, AFullOpaqueFrameRestoredToThePreviousPictureHidesNothingAfterIt) {
    ExpectSameComposition(RestoredFullFrames());
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

TEST(AnimatorPeer, GifframesComposedWritesThePictureAfterAJumpToEachFrame) {
    const std::string gif = RestoredFullFrames();
    const std::vector<reference::Picture> expected = ReferenceFrames(gif);
    ASSERT_EQ(expected.size(), 7u);
    TempFolder folder;
    folder.Write("in.gif", gif);
    const std::string command = std::string(GIFFRAMES_TOOL) + " --composed " + folder.Path("in.gif") + " " +
                                folder.Path("out") + " >" + folder.Path("listing.txt");
    ASSERT_EQ(std::system(command.c_str()), 0);
    char key[8];
    std::snprintf(key, sizeof key, "%06X", gifbuild::TestColorValue(FirstFramesKey));
    std::string listing;
    for (int k = 0; k < 7; ++k) listing += "frame " + std::to_string(k) + ": see-through " + key + "\n";
    EXPECT_EQ(folder.Read("listing.txt"), listing);
    for (int k = 0; k < 7; ++k) {
        const BmpFile bmp = ReadBmp(folder.Read("out/frame-00" + std::to_string(k) + ".bmp"));
        EXPECT_EQ(bmp.Width, 30) << "frame " << k;
        EXPECT_EQ(bmp.Height, 20) << "frame " << k;
        EXPECT_EQ(bmp.Bits, 24) << "frame " << k;
        EXPECT_EQ(bmp.Pixels, expected[static_cast<std::size_t>(k)]) << "frame " << k;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path("out/frame-007.bmp")));
}
