#include <gtest/gtest.h>

#include "framework/graphics/BitmapDC.h"
#include "framework/graphics/Offscreen.h"

using namespace skl;

namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor Green = 0x00FF00;
constexpr TColor Blue = 0xFF0000;

void Fill(TBitmap& bitmap, int width, int height, TColor color) {
    bitmap.SetSize(width, height);
    bitmap.Canvas().Brush.Color = color;
    bitmap.Canvas().FillRect({0, 0, width, height});
}

std::vector<TColor> Row(TBitmap& bitmap, int y) {
    std::vector<TColor> row;
    for (int x = 0; x < bitmap.Width(); ++x) row.push_back(bitmap.Canvas().Pixel(x, y));
    return row;
}

}  // namespace

TEST(Offscreen, ThePictureReachesTheTargetWholeOnShowAtTheTargetsOrigin) {
    TBitmap screen;
    Fill(screen, 8, 4, Blue);
    TBitmapDC target(screen);
    target.SetOrigin({2, 1});
    TOffscreen offscreen(target, 4, 2);
    offscreen.DC().FillRect({0, 0, 4, 2}, Red);
    EXPECT_EQ(Row(screen, 1), std::vector<TColor>(8, Blue)) << "nothing shows while it is drawn";

    offscreen.Show();
    EXPECT_EQ(Row(screen, 0), std::vector<TColor>(8, Blue));
    EXPECT_EQ(Row(screen, 1), (std::vector<TColor>{Blue, Blue, Red, Red, Red, Red, Blue, Blue}));
    EXPECT_EQ(Row(screen, 2), (std::vector<TColor>{Blue, Blue, Red, Red, Red, Red, Blue, Blue}));
    EXPECT_EQ(Row(screen, 3), std::vector<TColor>(8, Blue));
}

TEST(Offscreen, ItsContextClipsToWhatTheTargetsClipLetsThrough) {
    TBitmap screen;
    Fill(screen, 8, 4, Blue);
    TBitmapDC target(screen);
    target.SetOrigin({2, 1});
    target.IntersectClip({1, 0, 3, 1});
    TOffscreen offscreen(target, 4, 2);
    EXPECT_EQ(offscreen.DC().DeviceClip(), (TRect{1, 0, 3, 1}));

    Fill(offscreen.Bitmap(), 4, 2, Green);
    offscreen.DC().FillRect({0, 0, 4, 2}, Red);
    EXPECT_EQ(Row(offscreen.Bitmap(), 0), (std::vector<TColor>{Green, Red, Red, Green}));
    EXPECT_EQ(Row(offscreen.Bitmap(), 1), std::vector<TColor>(4, Green));

    offscreen.Show();
    EXPECT_EQ(Row(screen, 1), (std::vector<TColor>{Blue, Blue, Blue, Red, Red, Blue, Blue, Blue}));
    EXPECT_EQ(Row(screen, 2), std::vector<TColor>(8, Blue));
}
