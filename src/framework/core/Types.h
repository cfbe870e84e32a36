#pragma once
// Small value types shared by the framework and the program.
#include <algorithm>
#include <cstdint>

namespace skl {

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    // Covers no pixel.
    bool Empty() const { return Width() <= 0 || Height() <= 0; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

struct TPoint {
    int X = 0, Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// The intersection of two rectangles; empty (zero width or height) when they
// do not meet.
inline TRect Intersection(const TRect& a, const TRect& b) {
    TRect both{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
               std::min(a.Bottom, b.Bottom)};
    both.Right = std::max(both.Right, both.Left);
    both.Bottom = std::max(both.Bottom, both.Top);
    return both;
}

// The least rectangle that holds both.
inline TRect Union(const TRect& a, const TRect& b) {
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

inline TRect Offset(const TRect& rect, TPoint by) {
    return {rect.Left + by.X, rect.Top + by.Y, rect.Right + by.X, rect.Bottom + by.Y};
}

// 0x00BBGGRR; the special values below are not colours.
using TColor = std::uint32_t;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBlue = 0xFF0000;

// A colour table entry as bitmaps hold it.
struct TRGBQuad {
    std::uint8_t Blue = 0, Green = 0, Red = 0, Reserved = 0;
    friend bool operator==(const TRGBQuad&, const TRGBQuad&) = default;
};

}  // namespace skl
