#include <gtest/gtest.h>

#include <set>

#include "framework/graphics/Bitmap.h"
#include "framework/fake/Screen.h"
#include "imaging/JPEGImage.h"
#include "../Samples.h"

using namespace skl;

namespace {

// The screen as start-up finds it; restored to the usual one afterwards.
class ScreenAtStartUp : public ::testing::Test {
protected:
    void StartWithScreenOf(int bits) {
        skl::fake::SetScreenBitsPerPixel(bits);
        ReadJPEGDefaults();
    }
    void TearDown() override { StartWithScreenOf(32); }
};

TPixelFormat DecodedFormat(const std::string& sample) {
    TJPEGImage picture;
    picture.LoadFromFile(SamplePath(sample));
    return picture.Bitmap().PixelFormat();
}

}  // namespace

TEST_F(ScreenAtStartUp, EightBitScreenGivesEightBitPicturesOfAtMost236Colours) {
    StartWithScreenOf(8);
    TJPEGImage picture;
    picture.LoadFromFile(SamplePath("baseline.jpg"));
    TBitmap bitmap;
    bitmap.Assign(picture);
    ASSERT_EQ(bitmap.PixelFormat(), TPixelFormat::pf8bit);
    const TBitmapImage& image = *bitmap.Image();
    std::set<int> used;
    for (int y = 0; y < image.Header.biHeight; ++y)
        for (int x = 0; x < image.Header.biWidth; ++x) used.insert(image.Bits()[y * image.Pitch() + x]);
    EXPECT_LE(used.size(), 236u);
    EXPECT_LE(*used.rbegin(), 235);
}

TEST_F(ScreenAtStartUp, DeeperScreensGive24BitColourPictures) {
    StartWithScreenOf(16);
    EXPECT_EQ(DecodedFormat("baseline.jpg"), TPixelFormat::pf24bit);
    EXPECT_EQ(DecodedFormat("gray.jpg"), TPixelFormat::pf8bit);
}

TEST_F(ScreenAtStartUp, ChangingTheScreenLaterChangesNothing) {
    StartWithScreenOf(8);
    skl::fake::SetScreenBitsPerPixel(32);
    EXPECT_EQ(DecodedFormat("baseline.jpg"), TPixelFormat::pf8bit);
    StartWithScreenOf(32);
    skl::fake::SetScreenBitsPerPixel(8);
    EXPECT_EQ(DecodedFormat("baseline.jpg"), TPixelFormat::pf24bit);
}
