#include <gtest/gtest.h>

#include "GifTestSupport.h"
#include "assets/Assets.h"
#include "gif/GIFImage.h"

using namespace skl;

namespace {

std::string AboutGif() {
    return {reinterpret_cast<const char*>(assets::AboutAnimation().data()), assets::AboutAnimation().size()};
}

}  // namespace

TEST(AboutAnimation, ReadsAsTheAboutPageNeedsIt) {
    TGIFImage image;
    Parse(image, AboutGif(), true);
    ASSERT_EQ(image.FrameCount(), 19);
    EXPECT_EQ(image.FormatVersion(), 2);
    EXPECT_EQ(image.LogicalWidth(), 100);
    EXPECT_EQ(image.LogicalHeight(), 100);
    EXPECT_TRUE(image.LoopPresent());
    EXPECT_EQ(image.LoopCount(), 0);
    EXPECT_EQ(image.BackdropColor(), 0x000000u);
    EXPECT_EQ(image.Header().GlobalTable.EntryCount, 256);
    EXPECT_FALSE(image.Transparent());
    EXPECT_EQ(image.Width(), 100);
    for (int i = 0; i < image.FrameCount(); ++i) {
        SCOPED_TRACE(i);
        TGIFFrame& frame = image.FrameAt(i);
        EXPECT_EQ(frame.DelayMs, 100);
        EXPECT_EQ(frame.Disposal, 1);
        EXPECT_EQ(frame.TransparentKey, clNone);
        EXPECT_EQ(frame.FramePos, (TPoint{0, 0}));
        EXPECT_FALSE(frame.IsInterlaced);
        EXPECT_EQ(frame.OwnColors, i > 0);
        EXPECT_EQ(frame.Item().ColorTable.EntryCount, 256);
        EXPECT_EQ(frame.Item().CodeData->Memory()[0], 8);
        ASSERT_FALSE(frame.ExtensionList.empty());
        EXPECT_EQ(frame.ExtensionList.back().Kind, TExtensionKind::ekGraphicControl);
        TBitmap& bitmap = frame.FrameBitmap();
        EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf8bit);
        EXPECT_EQ(bitmap.Width(), 100);
        EXPECT_EQ(bitmap.Height(), 100);
        EXPECT_EQ(bitmap.Image()->ColorTable.size(), 256u);
        EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), 0x000000u);
        EXPECT_EQ(bitmap.Canvas().Pixel(99, 99), 0x000000u);
        EXPECT_FALSE(frame.Damaged);
    }
    // The one comment block comes before the first frame and so belongs to it.
    EXPECT_EQ(image.FrameAt(0).ExtensionList.size(), 2u);
    ASSERT_EQ(image.FrameAt(0).FrameComment().size(), 1u);
    EXPECT_EQ(image.FrameAt(0).FrameComment()[0].rfind("Skelvora About animation", 0), 0u);
    EXPECT_TRUE(image.ImageComment().empty());
}

TEST(AboutAnimation, TheFramesShowADay) {
    TGIFImage image;
    Parse(image, AboutGif());
    // The sky above the hills is brightest at noon.
    auto brightness = [&](int frame) {
        const TColor sky = image.FrameAt(frame).FrameBitmap().Canvas().Pixel(50, 10);
        return (sky & 0xFF) + (sky >> 8 & 0xFF) + (sky >> 16 & 0xFF);
    };
    EXPECT_LT(brightness(0), brightness(9));
    EXPECT_GT(brightness(9), brightness(18));
    EXPECT_NE(Indices(image.FrameAt(0).FrameBitmap()), Indices(image.FrameAt(1).FrameBitmap()));
}

TEST(AboutAnimation, ReadsFromItsStoredForm) {
    const std::string gif = AboutGif();
    const auto length = static_cast<std::uint32_t>(gif.size());
    const std::string stored = std::string{static_cast<char>(length), static_cast<char>(length >> 8),
                                           static_cast<char>(length >> 16), static_cast<char>(length >> 24)} +
                               gif;
    TMemoryStream stream;
    stream.WriteBuffer(stored.data(), static_cast<std::int64_t>(stored.size()));
    stream.SetPosition(0);
    TGIFImage image;
    image.ReadData(stream);
    EXPECT_EQ(image.FrameCount(), 19);
    EXPECT_EQ(image.ActiveFrame(), 0);
}
