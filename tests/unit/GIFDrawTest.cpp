#include <gtest/gtest.h>

#include "GifBuilder.h"
#include "GifTestSupport.h"
#include "framework/graphics/Colors.h"
#include "gif/BlitTransparent.h"
#include "gif/GIFImage.h"

using namespace skl;
using gifbuild::Frame;
using gifbuild::GifBuilder;
using gifbuild::TestColorValue;

namespace {

constexpr TColor Backdrop = 0x123456;

// A 3 x 2 frame of indices 0 1 2 / 3 0 1 over 4 test colours, with index 0
// transparent when `transparent`.
std::string SmallGif(bool transparent, int bits = 2) {
    Frame frame;
    frame.width = 3;
    frame.height = 2;
    frame.pixels = {0, 1, 2, 3, 0, 1};
    frame.lzw.minCodeSize = 2;
    GifBuilder gif;
    gif.Screen(3, 2, bits);
    if (transparent) gif.GraphicControl(0, 0, 0);
    return gif.Image(frame).Trailer().Bytes();
}

void Surface(TBitmap& bitmap, int width, int height) {
    bitmap.SetSize(width, height);
    bitmap.Canvas().Brush.Color = Backdrop;
    bitmap.Canvas().FillRect({0, 0, width, height});
}

std::vector<TColor> Pixels(TBitmap& bitmap) {
    std::vector<TColor> pixels;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) pixels.push_back(bitmap.Canvas().Pixel(x, y));
    return pixels;
}

const TColor C0 = TestColorValue(0), C1 = TestColorValue(1), C2 = TestColorValue(2), C3 = TestColorValue(3);

}  // namespace

TEST(GIFDrawFrame, WithAKeyThePixelsOfThatColourShowTheCanvas) {
    TGIFImage image;
    Parse(image, SmallGif(true));
    TBitmap target;
    Surface(target, 3, 2);
    image.FrameAt(0).DrawFrame(target.Canvas(), {0, 0, 3, 2}, true);
    EXPECT_EQ(Pixels(target), (std::vector<TColor>{Backdrop, C1, C2, C3, Backdrop, C1}));
    EXPECT_EQ(target.Canvas().StretchMode, TStretchMode::smColorOnColor);
}

TEST(GIFDrawFrame, WithoutTheFlagOrWithoutAKeyItDrawsOpaquely) {
    for (bool transparentGif : {true, false}) {
        TGIFImage image;
        Parse(image, SmallGif(transparentGif));
        TBitmap target;
        Surface(target, 3, 2);
        image.FrameAt(0).DrawFrame(target.Canvas(), {0, 0, 3, 2}, !transparentGif);
        EXPECT_EQ(Pixels(target), (std::vector<TColor>{C0, C1, C2, C3, C0, C1}));
    }
}

TEST(GIFDrawFrame, StretchesIntoTheRectangle) {
    TGIFImage image;
    Parse(image, SmallGif(false));
    TBitmap target;
    Surface(target, 6, 4);
    image.FrameAt(0).DrawFrame(target.Canvas(), {0, 0, 6, 4}, true);
    EXPECT_EQ(Pixels(target), (std::vector<TColor>{C0, C0, C1, C1, C2, C2, C0, C0, C1, C1, C2, C2,
                                                   C3, C3, C0, C0, C1, C1, C3, C3, C0, C0, C1, C1}));
}

TEST(GIFDrawFrame, TwoColourFramesAreKeyedByColourToo) {
    Frame frame;
    frame.width = 4;
    frame.height = 1;
    frame.pixels = {0, 1, 1, 0};
    frame.lzw.minCodeSize = 2;
    GifBuilder gif;
    gif.Screen(4, 1, 1).GraphicControl(0, 0, 1).Image(frame).Trailer();
    TGIFImage image;
    Parse(image, gif.Bytes());
    TBitmap target;
    Surface(target, 4, 1);
    image.FrameAt(0).DrawFrame(target.Canvas(), {0, 0, 4, 1}, true);
    EXPECT_EQ(Pixels(target), (std::vector<TColor>{C0, Backdrop, Backdrop, C0}));
}

TEST(GIFPictureDraw, DrawsTheActiveFrameWithThePicturesTransparency) {
    TGIFImage image;
    Parse(image, SmallGif(true), true);
    TBitmap target;
    Surface(target, 3, 2);
    target.Canvas().StretchDraw({0, 0, 3, 2}, image);
    EXPECT_EQ(Pixels(target), (std::vector<TColor>{Backdrop, C1, C2, C3, Backdrop, C1}));
    image.SetTransparent(false);
    target.Canvas().Draw(0, 0, image);
    EXPECT_EQ(Pixels(target), (std::vector<TColor>{C0, C1, C2, C3, C0, C1}));
    TGIFImage empty;
    Surface(target, 3, 2);
    target.Canvas().StretchDraw({0, 0, 3, 2}, empty);
    EXPECT_EQ(Pixels(target), std::vector<TColor>(6, Backdrop));
}

TEST(BlitTransparent, DefaultSizesAndSourceAreTheBitmaps) {
    TGIFImage image;
    Parse(image, SmallGif(false));
    TBitmap& bitmap = image.FrameAt(0).FrameBitmap();
    TBitmap target;
    Surface(target, 4, 3);
    BlitTransparent(target.Canvas(), 1, 1, 0, 0, bitmap, 0, 0, 0, 0, C2);
    EXPECT_EQ(Pixels(target), (std::vector<TColor>{Backdrop, Backdrop, Backdrop, Backdrop, Backdrop, C0, C1,
                                                   Backdrop, Backdrop, C3, C0, C1}));
}

TEST(BlitTransparent, APartOfTheSourceAndTheDefaultKey) {
    TGIFImage image;
    Parse(image, SmallGif(false));
    TBitmap& bitmap = image.FrameAt(0).FrameBitmap();
    TBitmap target;
    Surface(target, 2, 2);
    // Source (1, 0)-(3, 2): 1 2 / 0 1; the default key is the bottom-left pixel's colour, C3.
    BlitTransparent(target.Canvas(), 0, 0, 2, 2, bitmap, 1, 0, 2, 2, clNone);
    EXPECT_EQ(Pixels(target), (std::vector<TColor>{C1, C2, C0, C1}));
    Surface(target, 3, 2);
    BlitTransparent(target.Canvas(), 0, 0, 3, 2, bitmap, 0, 0, 3, 2, clDefault);
    EXPECT_EQ(Pixels(target), (std::vector<TColor>{C0, C1, C2, Backdrop, C0, C1}));
}

TEST(BlitTransparent, WithoutAKeyTheCopyModeApplies) {
    TGIFImage image;
    Parse(image, SmallGif(false));
    TBitmap target;
    Surface(target, 3, 2);
    target.Canvas().CopyMode = TCopyMode::cmSrcAnd;
    BlitTransparent(target.Canvas(), 0, 0, 3, 2, image.FrameAt(0).FrameBitmap(), 0, 0, 3, 2, clNone);
    EXPECT_EQ(target.Canvas().Pixel(1, 0), C1 & Backdrop);
}

TEST(BlitTransparent, ToPaletteRGBMarksTheColourPaletteRelative) {
    EXPECT_EQ(ToPaletteRGB(0x123456), 0x02123456u);
    EXPECT_EQ(ToPaletteRGB(clWindow), SystemColor(5) | 0x02000000u);
}
