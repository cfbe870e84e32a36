// A frame's bitmap: its pixel data decoded into the image of a bitmap file
// (headers, palette, bottom-up rows), which the frame's TBitmap then loads.
#include <algorithm>
#include <cstring>
#include <utility>

#include "framework/graphics/BitmapFileHeaders.h"
#include "framework/core/Exceptions.h"
#include "gif/GIFFrame.h"
#include "gif/GIFImage.h"
#include "gif/LZWDecoder.h"

namespace skl {

namespace {

constexpr std::uint8_t PaddingEntry = 0x80;

int DepthForBits(int bits) {
    if (bits == 1) return 1;
    if (bits >= 2 && bits <= 4) return 4;
    if (bits >= 5 && bits <= 8) return 8;
    throw EInvalidGraphicOperation(SWrongColorCount);
}

// Palette entries blue, green, red, 0 from the table; a table of fewer than
// 2^depth entries is padded with (0x80, 0x80, 0x80, 0x80).
void PutPalette(std::uint8_t* out, const TGIFPaletteTable& table, int depth) {
    const auto count = static_cast<std::size_t>(table.EntryCount);
    for (std::size_t i = 0; i < std::size_t{1} << depth; ++i, out += 4) {
        if (count == 0 || count == 256 || i < count) {
            const auto& entry = table.Entries[i];
            out[0] = entry.Blue;
            out[1] = entry.Green;
            out[2] = entry.Red;
            out[3] = 0;
        } else {
            std::memset(out, PaddingEntry, 4);
        }
    }
}

}  // namespace

void TGIFFrame::BuildBitmapImage(TMemoryStream& target) const {
    const TGIFItem& item = *item_;
    if (!item.CodeData) throw EReadError(SReadError);
    const int depth = DepthForBits(item.ColorBits);
    const std::int64_t imageSize = RowPitch(item.PixelWidth, depth) * item.PixelHeight;
    if (imageSize > MaxImageBytes) throw EOutOfResources(SOutOfResources);
    const std::uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize + 4 * (1u << depth);

    target.SetSize(0);
    target.SetSize(pixelOffset + imageSize);
    TBitmapInfoHeader header;
    header.biWidth = item.PixelWidth;
    header.biHeight = item.PixelHeight;
    header.biBitCount = static_cast<std::uint16_t>(depth);
    header.biSizeImage = static_cast<std::uint32_t>(imageSize);
    std::uint8_t* out = target.Memory();
    out = std::copy_n(EncodeFileHeader(static_cast<std::uint32_t>(pixelOffset + imageSize), pixelOffset).data(),
                      FileHeaderSize, out);
    out = std::copy_n(EncodeInfoHeader(header).data(), InfoHeaderSize, out);
    PutPalette(out, item.ColorTable, depth);

    std::uint8_t* pixels = target.Memory() + pixelOffset;
    std::memset(pixels, 0, static_cast<std::size_t>(imageSize));
    const TPixelRows rows(pixels, item.PixelWidth, item.PixelHeight, depth);
    const bool damaged = DecodeFrame(*item.CodeData, rows,
                                     {.Interlaced = IsInterlaced,
                                      .ColorBits = item.ColorBits,
                                      .TolerateDamage = !owner_ || owner_->TolerateDamage,
                                      .Progress = owner_});
    Damaged = Damaged || damaged;
    target.SetPosition(0);
}

const TBitmap& TGIFFrame::FrameBitmap() const {
    if (bitmap_ && !bitmap_->Empty()) return *bitmap_;
    bitmap_ = std::make_unique<TBitmap>();
    if (!item_->CodeData) return *bitmap_;
    TMemoryStream image;
    BuildBitmapImage(image);
    bitmap_->LoadFromStream(image);
    return *bitmap_;
}

TBitmap& TGIFFrame::FrameBitmap() {
    std::as_const(*this).FrameBitmap();
    return *bitmap_;
}

}  // namespace skl
