#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/graphics/BitmapDC.h"
#include "framework/graphics/Offscreen.h"

using namespace skl;

namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor Green = 0x00FF00;
constexpr TColor Blue = 0xFF0000;

std::vector<TColor> Row(TBitmap& bitmap, int y) {
    std::vector<TColor> row;
    for (int x = 0; x < bitmap.Width(); ++x) row.push_back(bitmap.Canvas().Pixel(x, y));
    return row;
}

// A blue screen of 8 x 4 pixels, painted through a context whose origin lies at (2, 1).
class Offscreen : public testing::Test {
protected:
    Offscreen() {
        screen.SetSize(8, 4);
        target = std::make_unique<TBitmapDC>(screen);
        target->FillRect({0, 0, 8, 4}, Blue);
        target->SetOrigin({2, 1});
    }

    TBitmap screen;
    std::unique_ptr<TBitmapDC> target;
};

}  // namespace

TEST_F(Offscreen, ThePictureReachesTheTargetWholeOnShowAtTheTargetsOrigin) {
    TOffscreen offscreen(*target, 4, 2);
    offscreen.DC().FillRect({0, 0, 4, 2}, Red);
    EXPECT_EQ(Row(screen, 1), std::vector<TColor>(8, Blue)) << "nothing shows while it is drawn";

    offscreen.Show();
    EXPECT_EQ(Row(screen, 0), std::vector<TColor>(8, Blue));
    EXPECT_EQ(Row(screen, 1), (std::vector<TColor>{Blue, Blue, Red, Red, Red, Red, Blue, Blue}));
    EXPECT_EQ(Row(screen, 2), (std::vector<TColor>{Blue, Blue, Red, Red, Red, Red, Blue, Blue}));
    EXPECT_EQ(Row(screen, 3), std::vector<TColor>(8, Blue));
}

TEST_F(Offscreen, ItsContextClipsToWhatTheTargetsClipLetsThrough) {
    target->IntersectClip({1, 0, 3, 1});
    TOffscreen offscreen(*target, 4, 2);
    EXPECT_EQ(offscreen.DC().DeviceClip(), (TRect{1, 0, 3, 1}));

    offscreen.Bitmap().Canvas().Brush.Color = Green;
    offscreen.Bitmap().Canvas().FillRect({0, 0, 4, 2});
    offscreen.DC().FillRect({0, 0, 4, 2}, Red);
    EXPECT_EQ(Row(offscreen.Bitmap(), 0), (std::vector<TColor>{Green, Red, Red, Green}));
    EXPECT_EQ(Row(offscreen.Bitmap(), 1), std::vector<TColor>(4, Green));

    offscreen.Show();
    EXPECT_EQ(Row(screen, 1), (std::vector<TColor>{Blue, Blue, Blue, Red, Red, Blue, Blue, Blue}));
    EXPECT_EQ(Row(screen, 2), std::vector<TColor>(8, Blue));
}
