#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/graphics/Bitmap.h"
#include "framework/core/Exceptions.h"
#include "imaging/JPEGImage.h"
#include "Samples.h"
#include "TempFolder.h"

using namespace skl;

namespace {

// The steps of a wallpaper change: load, assign to a bitmap, save.
std::string Convert(const std::string& jpeg, const TempFolder& folder) {
    TBitmap bitmap;
    TJPEGImage picture;
    picture.LoadFromFile(jpeg);
    bitmap.Assign(picture);
    bitmap.SaveToFile(folder.Path("Skelvora.bmp"));
    return folder.Read("Skelvora.bmp");
}

std::uint32_t At(const std::string& file, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(file[offset + i]);
    return value;
}

struct Field {
    std::size_t Offset;
    int Size;
    std::uint32_t Value;
};

void ExpectHeader(const std::string& file, const std::vector<Field>& fields) {
    ASSERT_GE(file.size(), 54u);
    EXPECT_EQ(file.substr(0, 2), "BM");
    for (const Field& field : fields)
        EXPECT_EQ(At(file, field.Offset, field.Size), field.Value) << "at offset " << field.Offset;
}

std::vector<Field> HeaderOf(std::uint32_t fileSize, std::uint32_t offset, int width, int height, int bits,
                            std::uint32_t imageSize, std::uint32_t colours) {
    return {{2, 4, fileSize},  {6, 2, 0},  {8, 2, 0},         {10, 4, offset},    {14, 4, 40},
            {18, 4, std::uint32_t(width)}, {22, 4, std::uint32_t(height)},        {26, 2, 1},
            {28, 2, std::uint32_t(bits)},  {30, 4, 0},        {34, 4, imageSize}, {38, 4, 0},
            {42, 4, 0},        {46, 4, colours},              {50, 4, 0}};
}

}  // namespace

TEST(BitmapFile, ColourPicture3x2Is78BytesWithTheBottomRowFirst) {
    TempFolder folder;
    const std::string file = Convert(SamplePath("colour-3x2.jpg"), folder);
    ASSERT_EQ(file.size(), 78u);
    ExpectHeader(file, HeaderOf(78, 54, 3, 2, 24, 24, 0));
    // Bottom row white, black, gray; top row red, green, blue; blue, green, red in each pixel.
    const std::string bottom = file.substr(54, 12), top = file.substr(66, 12);
    EXPECT_GT(static_cast<std::uint8_t>(bottom[0]), 250);
    EXPECT_LT(static_cast<std::uint8_t>(bottom[3]), 5);
    EXPECT_NEAR(static_cast<std::uint8_t>(bottom[6]), 128, 3);
    EXPECT_LT(static_cast<std::uint8_t>(top[0]), 5);
    EXPECT_GT(static_cast<std::uint8_t>(top[2]), 250);
    EXPECT_GT(static_cast<std::uint8_t>(top[6]), 250);
    EXPECT_LT(static_cast<std::uint8_t>(top[8]), 5);
    EXPECT_EQ(bottom.substr(9), std::string(3, '\0'));
    EXPECT_EQ(top.substr(9), std::string(3, '\0'));
}

TEST(BitmapFile, ColourPicture4x1Is66BytesWithoutPadding) {
    TempFolder folder;
    const std::string file = Convert(SamplePath("colour-4x1.jpg"), folder);
    ASSERT_EQ(file.size(), 66u);
    ExpectHeader(file, HeaderOf(66, 54, 4, 1, 24, 12, 0));
    EXPECT_GT(static_cast<std::uint8_t>(file[54 + 9 + 1]), 250);  // the yellow pixel's green
}

TEST(BitmapFile, GrayscalePicture5x3Is1102BytesWithAColourTable) {
    TempFolder folder;
    const std::string file = Convert(SamplePath("gray-5x3.jpg"), folder);
    ASSERT_EQ(file.size(), 1102u);
    ExpectHeader(file, HeaderOf(1102, 1078, 5, 3, 8, 24, 256));
    for (int j = 0; j < 256; ++j) {
        const std::uint32_t level = j < 236 ? (255 * j + 117) / 235 : 0;
        EXPECT_EQ(At(file, 54 + 4 * j, 4), level | level << 8 | level << 16) << "entry " << j;
    }
    for (int row = 0; row < 3; ++row) EXPECT_EQ(file.substr(1078 + 8 * row + 5, 3), std::string(3, '\0'));
    // The top row rises from black to white; it comes last.
    const std::string top = file.substr(1078 + 16, 5);
    EXPECT_EQ(static_cast<std::uint8_t>(top[0]), 0);
    EXPECT_EQ(static_cast<std::uint8_t>(top[4]), 235);
}

TEST(BitmapFile, SavingOverALargerFileLeavesExactlyTheNewLength) {
    TempFolder folder;
    folder.Write("Skelvora.bmp", std::string(5000, 'x'));
    EXPECT_EQ(Convert(SamplePath("colour-3x2.jpg"), folder).size(), 78u);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Skelvora.bmp"});
}

TEST(BitmapFile, ReadOnlyTargetFailsAndStaysAsItWas) {
    TempFolder folder;
    folder.Write("Skelvora.bmp", "old wallpaper");
    folder.MakeReadOnly("Skelvora.bmp");
    try {
        Convert(SamplePath("colour-3x2.jpg"), folder);
        FAIL() << "no exception";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message(), "Cannot create file " + folder.Path("Skelvora.bmp"));
    }
    EXPECT_EQ(folder.Read("Skelvora.bmp"), "old wallpaper");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Skelvora.bmp"});
}

TEST(BitmapFile, MissingFolderFailsWithThePath) {
    TempFolder folder;
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    const std::string path = folder.Path("no such folder/Skelvora.bmp");
    try {
        bitmap.SaveToFile(path);
        FAIL() << "no exception";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message(), "Cannot create file " + path);
    }
}

TEST(BitmapFile, ReadsBackWhatItWrote) {
    TempFolder folder;
    const std::string file = Convert(SamplePath("gray-5x3.jpg"), folder);
    TBitmap bitmap;
    bitmap.LoadFromFile(folder.Path("Skelvora.bmp"));
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bitmap.Image()->Bits()), 24), file.substr(1078));
}

TEST(BitmapFile, AHeaderClaimingAHugePictureFailsBeforeAnyPixelIsRead) {
    TempFolder folder;
    const std::string file = Convert(SamplePath("colour-3x2.jpg"), folder);
    for (const std::uint32_t side : {0x7FFFFFFFu, 0x10000u}) {
        std::string huge = file;
        for (std::size_t offset : {18u, 22u})
            for (int i = 0; i < 4; ++i) huge[offset + i] = static_cast<char>(side >> (8 * i));
        TBitmap bitmap;
        EXPECT_THROW(bitmap.LoadFromMemory(reinterpret_cast<const std::uint8_t*>(huge.data()), huge.size()),
                     EOutOfResources)
            << side;
        EXPECT_TRUE(bitmap.Empty());
    }
}
