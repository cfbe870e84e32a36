#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/core/PixelRows.h"

using namespace skl;

TEST(PixelRows, RowsLieBottomUpPaddedToFourBytes) {
    std::vector<std::uint8_t> pixels(3 * 16);
    const TPixelRows rows(pixels.data(), 5, 3, 24);
    EXPECT_EQ(rows.Pitch(), 16);
    EXPECT_EQ(rows.Row(0).Bytes(), pixels.data() + 32) << "the top row comes last";
    EXPECT_EQ(rows.Row(2).Bytes(), pixels.data());
    EXPECT_EQ(TPixelRows(pixels.data(), 33, 1, 1).Pitch(), 8);
    EXPECT_EQ(TPixelRows(pixels.data(), 7, 1, 4).Pitch(), 4);
}

TEST(PixelRows, PaletteIndicesPutTheLeftmostPixelInTheHighBits) {
    std::vector<std::uint8_t> pixels(4);
    const TPixelRows mono(pixels.data(), 9, 1, 1);
    mono.Row(0).SetIndex(0, 1);
    mono.Row(0).SetIndex(8, 1);
    mono.Row(0).SetIndex(3, 1);
    mono.Row(0).SetIndex(3, 0);
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{0x80, 0x80, 0, 0}));
    EXPECT_EQ(mono.Row(0).Index(8), 1);
    EXPECT_EQ(mono.Row(0).Index(7), 0);

    pixels.assign(4, 0);
    const TPixelRows nibbles(pixels.data(), 3, 1, 4);
    nibbles.Row(0).SetIndex(0, 0xA);
    nibbles.Row(0).SetIndex(1, 0x5);
    nibbles.Row(0).SetIndex(2, 0xF);
    nibbles.Row(0).SetIndex(1, 0x3);
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{0xA3, 0xF0, 0, 0}));
    EXPECT_EQ(nibbles.Row(0).Index(0), 0xA);
    EXPECT_EQ(nibbles.Row(0).Index(1), 0x3);
}

TEST(PixelRows, ColoursAreBlueGreenRedOrTheirPaletteEntry) {
    std::vector<std::uint8_t> pixels(8);
    const TPixelRows rgb(pixels.data(), 2, 1, 24);
    rgb.Row(0).SetRgb(1, 0x112233);
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{0, 0, 0, 0x11, 0x22, 0x33, 0, 0}));
    EXPECT_EQ(rgb.Row(0).Color(1, nullptr), 0x112233u);

    const TColor palette[4] = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000};
    pixels.assign(4, 0);
    const TPixelRows paletted(pixels.data(), 2, 1, 8);
    paletted.Row(0).SetIndex(1, 3);
    EXPECT_EQ(paletted.Row(0).Color(0, palette), 0x000000u);
    EXPECT_EQ(paletted.Row(0).Color(1, palette), 0xFF0000u);
}
