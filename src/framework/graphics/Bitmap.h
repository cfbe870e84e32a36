#pragma once
// Device-independent bitmaps in memory: rows bottom-up, each row padded to a
// multiple of 4 bytes, 1, 4, 8 or 24 bits per pixel, a 256-entry colour table
// for the palette formats. Copies share one reference-counted image.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/core/PixelRows.h"
#include "framework/graphics/Graphic.h"
#include "framework/graphics/SharedImage.h"
#include "framework/system/PixelMemory.h"

namespace skl {

// The largest image of a bitmap: its BMP file, headers and colour table
// included, still fits the file's 32-bit size field.
inline constexpr std::int64_t MaxImageBytes = 0x7FFFFFFF - 0x1000;

struct TBitmapInfoHeader {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 24;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};

enum class TPixelFormat { pf1bit = 1, pf4bit = 4, pf8bit = 8, pf24bit = 24 };

class TBitmapImage : public TSharedImage {
public:
    TBitmapImage(int width, int height, TPixelFormat format);
    TBitmapImage(const TBitmapImage& other);

    TBitmapInfoHeader Header;
    std::vector<TRGBQuad> ColorTable;  // 2^bits entries for palette formats, none for 24 bits

    std::uint8_t* Bits() { return bits_.get(); }
    const std::uint8_t* Bits() const { return bits_.get(); }
    TPixelRows Rows() { return {Bits(), Header.biWidth, Header.biHeight, Header.biBitCount}; }
    TConstPixelRows Rows() const { return {Bits(), Header.biWidth, Header.biHeight, Header.biBitCount}; }
    std::int64_t Pitch() const { return Rows().Pitch(); }

    // The pixels with their colour table, as the system is given them.
    TPixelImage Pixels() const { return {Rows(), ColorTable.data(), ColorTable.size()}; }

private:
    TPixelMemory bits_;
};

class TBitmap : public TGraphic {
public:
    TBitmap();
    const char* ClassName() const override { return "TBitmap"; }

    int Width() const override;
    int Height() const override;
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    void SetSize(int width, int height);
    bool Empty() const override;
    // The colour table of a palette format; none for 24 bits.
    const std::vector<TRGBQuad>* Palette() const override;

    TPixelFormat PixelFormat() const { return format_; }
    void SetPixelFormat(TPixelFormat format);

    // The pixel rows, for writing: the bitmap takes an image of its own first.
    TPixelRows Rows();
    // The bytes of picture row `row` (0 is the top row).
    std::uint8_t* ScanLine(int row) { return Rows().Row(row).Bytes(); }
    std::int64_t Pitch() const;
    // Entries 0 to count - 1 of the colour table; the rest are left as they are.
    void SetColors(const TRGBQuad* colors, int count);

    // The shared image; null while the bitmap is empty.
    const TBitmapImage* Image() const { return image_.get(); }

    // The colour drawn see-through while the bitmap is transparent; clDefault,
    // the default, stands for the colour of the bottom-left pixel.
    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor color);

    // Draws the image scaled into the rectangle. Once the locking draw is on,
    // a TBitmap holds its own canvas's lock meanwhile, so that no other
    // thread draws on the image while it is read.
    void Draw(TCanvas& canvas, const TRect& rect) override;

    void Assign(const TPersistent& source) override;
    void LoadFromStream(TStream& stream) override;
    // Writes the image as a BMP file from the stream's position.
    void SaveToStream(TStream& stream) override;

    TCanvas& Canvas() { return canvas_; }

private:
    void NewImage(int width, int height);
    TBitmapImage& OwnImage();

    TSharedRef<TBitmapImage> image_;
    TPixelFormat format_ = TPixelFormat::pf24bit;
    TColor transparentColor_ = clDefault;
    TCanvas canvas_{this};
};

// Switches on, for the rest of the process, the locking draw of TBitmap
// (not of classes derived from it): from the first picture drawn by a worker
// thread on, every draw of a bitmap takes its canvas's lock.
void EnableLockingBitmapDraw();

}  // namespace skl
