#include <gtest/gtest.h>

#include "assets/Assets.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Icon.h"
#include "imaging/JPEGImage.h"

using namespace skl;

TEST(Assets, TheTrayIconIsOne16By16PictureWith16Colours) {
    const auto file = assets::TrayIcon();
    ASSERT_EQ(file.size(), 318u);
    TIcon icon;
    icon.LoadFromMemory(file.data(), file.size());
    EXPECT_EQ(icon.Width(), 16);
    EXPECT_EQ(icon.Height(), 16);
    EXPECT_EQ(file[10], 1);  // planes
    EXPECT_EQ(file[12], 4);  // bits per pixel
    EXPECT_TRUE(icon.Handle());
}

TEST(Assets, TheMenuPicturesAndButtonGlyphsAre16By16With16ColoursOnATransparentCorner) {
    for (const auto file : {assets::MenuAbout(), assets::MenuOptions(), assets::MenuExit(), assets::GlyphOk(),
                            assets::GlyphCancel()}) {
        TMemoryStream stream;
        stream.WriteBuffer(file.data(), static_cast<std::int64_t>(file.size()));
        stream.SetPosition(0);
        TBitmap picture;
        picture.LoadFromStream(stream);
        EXPECT_EQ(picture.Width(), 16);
        EXPECT_EQ(picture.Height(), 16);
        EXPECT_EQ(picture.PixelFormat(), TPixelFormat::pf4bit);
        const int corner = picture.ScanLine(15)[0] >> 4;
        EXPECT_EQ(picture.Image()->ColorTable[corner], (TRGBQuad{0xFF, 0x00, 0xFF, 0}));  // fuchsia
    }
}

TEST(Assets, TheAboutPictureIsA96By75Jpeg) {
    const auto file = assets::AboutPicture();
    TJPEGImage picture;
    picture.LoadFromMemory(file.data(), file.size());
    EXPECT_EQ(picture.Width(), 96);
    EXPECT_EQ(picture.Height(), 75);
    EXPECT_EQ(picture.Bitmap().Width(), 96);
}
