#include <gtest/gtest.h>

#include "framework/core/Exceptions.h"
#include "framework/graphics/Icon.h"
#include "IconFile.h"

using namespace skl;

namespace {

TIcon LoadedIcon(std::uint8_t colour) {
    TIcon icon;
    const auto file = IconFile(colour);
    icon.LoadFromMemory(file.data(), file.size());
    return icon;
}

}  // namespace

TEST(Icon, AnEmptyIconHasNoPictureAndNoHandle) {
    TIcon icon;
    EXPECT_TRUE(icon.Empty());
    EXPECT_FALSE(icon.Handle());
    EXPECT_EQ(icon.Width(), 0);
    EXPECT_TRUE(icon.Data().empty());
}

TEST(Icon, ALoadedIconKeepsItsFileAndMakesOneHandle) {
    TIcon icon = LoadedIcon(3);
    EXPECT_FALSE(icon.Empty());
    EXPECT_EQ(icon.Width(), 16);
    EXPECT_EQ(icon.Height(), 16);
    EXPECT_EQ(icon.Data(), IconFile(3));
    EXPECT_EQ(IconFile(3).size(), 318u);
    const TIconHandle handle = icon.Handle();
    EXPECT_TRUE(handle);
    EXPECT_EQ(icon.Handle(), handle);

    TMemoryStream saved;
    icon.SaveToStream(saved);
    EXPECT_EQ(std::vector<std::uint8_t>(saved.Memory(), saved.Memory() + saved.Length()), IconFile(3));
}

TEST(Icon, CopiesShareThePictureAndItsHandle) {
    TIcon icon = LoadedIcon(5);
    TIcon copy;
    int changes = 0;
    copy.OnChange = [&](TGraphic&) { ++changes; };
    copy.Assign(icon);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(copy.Handle(), icon.Handle());
    copy.Clear();
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(copy.Empty());
    EXPECT_FALSE(icon.Empty());
}

TEST(Icon, BytesThatAreNoIconFileAreRefusedAndLeaveTheIcon) {
    TIcon icon = LoadedIcon(1);
    const TIconHandle handle = icon.Handle();
    auto damaged = IconFile(1);
    damaged[18] = 0xFF;  // the picture's offset lies past the end
    for (const auto& bytes : {std::vector<std::uint8_t>{'B', 'M', 0, 0, 0, 0}, damaged, std::vector<std::uint8_t>{}}) {
        try {
            icon.LoadFromMemory(bytes.data(), bytes.size());
            FAIL() << "no exception";
        } catch (const EInvalidGraphic& error) {
            EXPECT_EQ(error.Message(), "Icon image is not valid");
        }
    }
    EXPECT_EQ(icon.Handle(), handle);
}

TEST(Icon, ItsSizeIsThatOfItsPicture) {
    TIcon icon = LoadedIcon(1);
    EXPECT_THROW(icon.SetWidth(32), EInvalidGraphicOperation);
    EXPECT_THROW(icon.SetHeight(32), EInvalidGraphicOperation);
    EXPECT_EQ(icon.Width(), 16);
}
