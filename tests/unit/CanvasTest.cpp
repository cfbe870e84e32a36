#include <gtest/gtest.h>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Colors.h"

using namespace skl;

namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor Green = 0x00FF00;
constexpr TColor Blue = 0xFF0000;
constexpr TColor Gray = 0x808080;

// A 24-bit bitmap filled with one colour.
void Fill(TBitmap& bitmap, int width, int height, TColor color) {
    bitmap.SetSize(width, height);
    bitmap.Canvas().Brush.Color = color;
    bitmap.Canvas().FillRect({0, 0, width, height});
}

// An 8-bit bitmap whose pixel (x, y) has index x + width * y and colour `colors[index]`.
void Numbered(TBitmap& bitmap, int width, int height, const std::vector<TColor>& colors) {
    bitmap.SetPixelFormat(TPixelFormat::pf8bit);
    bitmap.SetSize(width, height);
    std::vector<TRGBQuad> table;
    for (TColor color : colors)
        table.push_back({static_cast<std::uint8_t>(color >> 16), static_cast<std::uint8_t>(color >> 8),
                         static_cast<std::uint8_t>(color), 0});
    bitmap.SetColors(table.data(), static_cast<int>(table.size()));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bitmap.ScanLine(y)[x] = static_cast<std::uint8_t>(x + width * y);
}

std::vector<TColor> Row(TCanvas& canvas, int y, int width) {
    std::vector<TColor> row;
    for (int x = 0; x < width; ++x) row.push_back(canvas.Pixel(x, y));
    return row;
}

}  // namespace

TEST(Canvas, FillRectPaintsTheBrushColourInsideTheSurface) {
    TBitmap bitmap;
    Fill(bitmap, 4, 3, Blue);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = 0x02000000 | Red;  // palette-relative values paint their colour
    canvas.FillRect({2, 1, 10, 10});
    EXPECT_EQ(Row(canvas, 0, 4), (std::vector<TColor>{Blue, Blue, Blue, Blue}));
    EXPECT_EQ(Row(canvas, 2, 4), (std::vector<TColor>{Blue, Blue, Red, Red}));
    canvas.Brush.Color = clWindow;
    canvas.FillRect({-5, -5, 1, 1});
    EXPECT_EQ(canvas.Pixel(0, 0), SystemColor(5));
    EXPECT_EQ(canvas.Pixel(4, 0), clNone);
    EXPECT_EQ(canvas.Pixel(-1, 0), clNone);
}

TEST(Canvas, StretchDrawScalesOneSourcePixelPerDestinationPixel) {
    TBitmap source;
    Numbered(source, 2, 2, {Red, Green, Blue, Gray});
    TBitmap target;
    Fill(target, 5, 5, clBlack);
    target.Canvas().StretchDraw({1, 1, 5, 5}, source);
    EXPECT_EQ(Row(target.Canvas(), 0, 5), (std::vector<TColor>(5, clBlack)));
    EXPECT_EQ(Row(target.Canvas(), 1, 5), (std::vector<TColor>{clBlack, Red, Red, Green, Green}));
    EXPECT_EQ(Row(target.Canvas(), 4, 5), (std::vector<TColor>{clBlack, Blue, Blue, Gray, Gray}));

    TBitmap shrunk;
    Fill(shrunk, 1, 1, clBlack);
    shrunk.Canvas().StretchDraw({0, 0, 1, 1}, source);
    EXPECT_EQ(shrunk.Canvas().Pixel(0, 0), Red);
}

TEST(Canvas, DrawPlacesTheGraphicAtItsSizeAndClips) {
    TBitmap source;
    Numbered(source, 2, 2, {Red, Green, Blue, Gray});
    TBitmap target;
    Fill(target, 3, 3, clWhite);
    target.Canvas().Draw(2, -1, source);
    EXPECT_EQ(Row(target.Canvas(), 0, 3), (std::vector<TColor>{clWhite, clWhite, Blue}));
    EXPECT_EQ(Row(target.Canvas(), 1, 3), (std::vector<TColor>(3, clWhite)));
}

TEST(Canvas, CopyModesCombineWithTheDestination) {
    const std::vector<std::pair<TCopyMode, TColor>> cases = {{TCopyMode::cmSrcCopy, 0x0F0F00},
                                                             {TCopyMode::cmSrcAnd, 0x0F0000},
                                                             {TCopyMode::cmSrcPaint, 0xFF0F00},
                                                             {TCopyMode::cmSrcInvert, 0xF00F00}};
    for (const auto& [mode, expected] : cases) {
        TBitmap source;
        Fill(source, 1, 1, 0x0F0F00);
        TBitmap target;
        Fill(target, 1, 1, 0xFF0000);
        target.Canvas().CopyMode = mode;
        target.Canvas().StretchDraw({0, 0, 1, 1}, source);
        EXPECT_EQ(target.Canvas().Pixel(0, 0), expected) << static_cast<std::uint32_t>(mode);
    }
}

TEST(Canvas, AKeyLeavesItsColourSeeThrough) {
    TBitmap source;
    Numbered(source, 2, 2, {Red, Green, Blue, Green});
    TBitmap target;
    Fill(target, 2, 2, Gray);
    target.Canvas().CopyBitmap({0, 0, 2, 2}, source, {0, 0, 2, 2}, Green);
    EXPECT_EQ(Row(target.Canvas(), 0, 2), (std::vector<TColor>{Red, Gray}));
    EXPECT_EQ(Row(target.Canvas(), 1, 2), (std::vector<TColor>{Blue, Gray}));
    // clDefault keys on the bottom-left pixel: blue.
    Fill(target, 2, 2, Gray);
    target.Canvas().CopyBitmap({0, 0, 2, 2}, source, {0, 0, 2, 2}, clDefault);
    EXPECT_EQ(Row(target.Canvas(), 1, 2), (std::vector<TColor>{Gray, Green}));
}

TEST(Canvas, ATransparentBitmapDrawsWithItsKey) {
    TBitmap source;
    Numbered(source, 2, 1, {Red, Green});
    source.SetTransparentColor(Red);
    source.SetTransparent(true);
    TBitmap target;
    Fill(target, 2, 1, Gray);
    target.Canvas().Draw(0, 0, source);
    EXPECT_EQ(Row(target.Canvas(), 0, 2), (std::vector<TColor>{Gray, Green}));
    TBitmap copy;
    copy.Assign(source);
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), Red);
}

TEST(Canvas, APaletteSurfaceTakesTheNearestEntry) {
    TBitmap target;
    Numbered(target, 2, 1, {clBlack, clWhite});
    target.Canvas().Brush.Color = 0x303030;
    target.Canvas().FillRect({0, 0, 1, 1});
    target.Canvas().Brush.Color = 0xC0C0C0;
    target.Canvas().FillRect({1, 0, 2, 1});
    EXPECT_EQ(target.ScanLine(0)[0], 0);
    EXPECT_EQ(target.ScanLine(0)[1], 1);
}

TEST(Canvas, DrawingGivesTheBitmapAnImageOfItsOwn) {
    TBitmap original;
    Fill(original, 2, 2, Red);
    TBitmap copy;
    copy.Assign(original);
    copy.Canvas().Brush.Color = Blue;
    copy.Canvas().FillRect({0, 0, 2, 2});
    EXPECT_EQ(original.Canvas().Pixel(1, 1), Red);
    EXPECT_EQ(copy.Canvas().Pixel(1, 1), Blue);
}

TEST(Canvas, FewBitsPerPixelSurfaces) {
    for (TPixelFormat format : {TPixelFormat::pf1bit, TPixelFormat::pf4bit}) {
        TBitmap target;
        target.SetPixelFormat(format);
        target.SetSize(9, 2);
        const TRGBQuad colors[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
        target.SetColors(colors, 2);
        target.Canvas().Brush.Color = clWhite;
        target.Canvas().FillRect({3, 1, 8, 2});
        std::vector<TColor> expected(9, clBlack);
        std::fill(expected.begin() + 3, expected.begin() + 8, clWhite);
        EXPECT_EQ(Row(target.Canvas(), 1, 9), expected);
        EXPECT_EQ(Row(target.Canvas(), 0, 9), std::vector<TColor>(9, clBlack));
    }
}
