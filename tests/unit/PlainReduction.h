#pragma once
// What the reduced and cropped pictures are held to: the plain way to make a
// picture smaller (each pixel the mean of the area it covers, in floating
// point), and the pixels of a part of a bitmap.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "framework/graphics/Bitmap.h"

// Blue, green, red bytes, top row first, no padding.
using TPlainPixels = std::vector<std::uint8_t>;

inline TPlainPixels PlainPixels(const skl::TBitmap& bitmap, const skl::TRect& area) {
    const skl::TBitmapImage& image = *bitmap.Image();
    const auto palette = image.Pixels().Palette();
    TPlainPixels pixels;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x) {
            const skl::TColor color = image.Rows().Row(y).Color(x, palette.data());
            pixels.insert(pixels.end(), {static_cast<std::uint8_t>(color >> 16), static_cast<std::uint8_t>(color >> 8),
                                         static_cast<std::uint8_t>(color)});
        }
    return pixels;
}

inline TPlainPixels PlainPixels(const skl::TBitmap& bitmap) {
    return PlainPixels(bitmap, {0, 0, bitmap.Image()->Header.biWidth, bitmap.Image()->Header.biHeight});
}

// The whole bitmap averaged down to width x height.
inline TPlainPixels PlainReduction(const skl::TBitmap& bitmap, int width, int height) {
    const TPlainPixels source = PlainPixels(bitmap);
    const int sourceWidth = bitmap.Image()->Header.biWidth, sourceHeight = bitmap.Image()->Header.biHeight;
    const double across = double(sourceWidth) / width, down = double(sourceHeight) / height;
    TPlainPixels reduced;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double sums[3] = {};
            for (int sy = int(y * down); sy < std::min(sourceHeight, int(std::ceil((y + 1) * down))); ++sy)
                for (int sx = int(x * across); sx < std::min(sourceWidth, int(std::ceil((x + 1) * across))); ++sx) {
                    const double cover = (std::min((x + 1) * across, sx + 1.0) - std::max(x * across, double(sx))) *
                                         (std::min((y + 1) * down, sy + 1.0) - std::max(y * down, double(sy)));
                    for (int c = 0; c < 3; ++c) sums[c] += cover * source[3 * (std::size_t(sy) * sourceWidth + sx) + c];
                }
            for (double sum : sums) reduced.push_back(static_cast<std::uint8_t>(std::lround(sum / (across * down))));
        }
    return reduced;
}

// The greatest difference between two pictures in any channel of any pixel.
inline int LargestDifference(const TPlainPixels& a, const TPlainPixels& b) {
    if (a.size() != b.size()) return 256;
    int largest = 0;
    for (std::size_t i = 0; i < a.size(); ++i) largest = std::max(largest, std::abs(a[i] - b[i]));
    return largest;
}
