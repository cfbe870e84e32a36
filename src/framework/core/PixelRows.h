#pragma once
// The pixel rows of a device-independent bitmap: bottom-up in memory, each
// row padded to a multiple of 4 bytes, 1, 4, 8 or 24 bits per pixel. A
// palette pixel is an index into the colour table, the leftmost pixel in the
// high bits of its byte; a 24-bit pixel is blue, green, red.
#include <array>
#include <cstddef>
#include <cstdint>

#include "framework/core/Types.h"

namespace skl {

// Bytes of one row of `width` pixels at `bits` per pixel, padded to 4.
constexpr std::int64_t RowPitch(std::int64_t width, int bits) { return (width * bits + 31) / 32 * 4; }

// One row; `Byte` is const for a row that is only read.
template <typename Byte>
class TPixelRowOf {
public:
    TPixelRowOf(Byte* bytes, int bits) : bytes_(bytes), bits_(bits) {}

    Byte* Bytes() const { return bytes_; }

    // The palette index at column x (1, 4 and 8 bits).
    int Index(int x) const {
        if (bits_ == 8) return bytes_[x];
        const int perByte = 8 / bits_;
        return (bytes_[x / perByte] >> Shift(x)) & Mask();
    }
    void SetIndex(int x, int index) const {
        if (bits_ == 8) {
            bytes_[x] = static_cast<std::uint8_t>(index);
            return;
        }
        Byte& byte = bytes_[x / (8 / bits_)];
        byte = static_cast<std::uint8_t>((byte & ~(Mask() << Shift(x))) | (index & Mask()) << Shift(x));
    }

    // The colour value at column x of a 24-bit row.
    TColor Rgb(int x) const {
        const Byte* pixel = bytes_ + 3 * x;
        return static_cast<TColor>(pixel[2] | pixel[1] << 8 | pixel[0] << 16);
    }
    void SetRgb(int x, TColor color) const {
        Byte* pixel = bytes_ + 3 * x;
        pixel[0] = static_cast<std::uint8_t>(color >> 16);
        pixel[1] = static_cast<std::uint8_t>(color >> 8);
        pixel[2] = static_cast<std::uint8_t>(color);
    }

    // The colour at column x: a 24-bit pixel's own, else its entry of
    // `palette` (the colour table as colour values).
    TColor Color(int x, const TColor* palette) const { return bits_ == 24 ? Rgb(x) : palette[Index(x)]; }

private:
    int Shift(int x) const { return 8 - bits_ - x % (8 / bits_) * bits_; }
    int Mask() const { return (1 << bits_) - 1; }

    Byte* bytes_;
    int bits_;
};

// The rows of a bitmap's pixels; row 0 is the picture's top row.
template <typename Byte>
class TPixelRowsOf {
public:
    TPixelRowsOf(Byte* pixels, int width, int height, int bits)
        : pixels_(pixels), width_(width), height_(height), bits_(bits) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Bits() const { return bits_; }
    std::int64_t Pitch() const { return RowPitch(width_, bits_); }

    TPixelRowOf<Byte> Row(int y) const { return {pixels_ + (height_ - 1 - std::int64_t{y}) * Pitch(), bits_}; }

private:
    Byte* pixels_;
    int width_;
    int height_;
    int bits_;
};

using TPixelRow = TPixelRowOf<std::uint8_t>;
using TPixelRows = TPixelRowsOf<std::uint8_t>;
using TConstPixelRows = TPixelRowsOf<const std::uint8_t>;

// A picture as its pixels lie in memory: the rows and, for the palette
// formats, the colour table they index. This is what a bitmap hands to the
// system to show.
struct TPixelImage {
    TConstPixelRows Rows;
    const TRGBQuad* Colors = nullptr;
    std::size_t ColorCount = 0;

    // The colour table as colour values; zero beyond its entries.
    std::array<TColor, 256> Palette() const {
        std::array<TColor, 256> palette{};
        for (std::size_t i = 0; i < ColorCount && i < palette.size(); ++i)
            palette[i] = static_cast<TColor>(Colors[i].Red | Colors[i].Green << 8 | Colors[i].Blue << 16);
        return palette;
    }
    // The colour of the bottom-left pixel, which a transparent picture leaves
    // see-through unless told another colour.
    TColor CornerColor() const { return Rows.Row(Rows.Height() - 1).Color(0, Palette().data()); }
};

}  // namespace skl
