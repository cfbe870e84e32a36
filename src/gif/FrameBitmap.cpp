// A frame's bitmap: its pixel data decoded into the image of a bitmap file
// (headers, palette, bottom-up rows), which the frame's TBitmap then loads.
#include <cstring>

#include "framework/Exceptions.h"
#include "gif/GIFFrame.h"
#include "gif/GIFImage.h"
#include "gif/LZWDecoder.h"

namespace skl {

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::int64_t MaxImageBytes = 0x7FFFFFFF - 0x1000;  // the file size field is 32 bits
constexpr std::uint8_t PaddingEntry = 0x80;

int DepthForBits(int bits) {
    if (bits == 1) return 1;
    if (bits >= 2 && bits <= 4) return 4;
    if (bits >= 5 && bits <= 8) return 8;
    throw EInvalidGraphicOperation(SWrongColorCount);
}

class LittleEndian {
public:
    explicit LittleEndian(std::uint8_t* out) : out_(out) {}
    template <class T>
    LittleEndian& Put(T value) {
        for (std::size_t i = 0; i < sizeof(T); ++i) *out_++ = static_cast<std::uint8_t>(value >> (8 * i));
        return *this;
    }
    std::uint8_t* Position() const { return out_; }

private:
    std::uint8_t* out_;
};

// Palette entries blue, green, red, 0 from the table; a table of fewer than
// 2^depth entries is padded with (0x80, 0x80, 0x80, 0x80).
void PutPalette(std::uint8_t* out, const TGIFPaletteTable& table, int depth) {
    const int count = table.EntryCount;
    for (int i = 0; i < 1 << depth; ++i, out += 4) {
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

void TGIFFrame::BuildBitmapImage(TMemoryStream& target) {
    const TGIFItem& item = *item_;
    if (!item.CodeData) throw EReadError(SReadError);
    const int depth = DepthForBits(item.ColorBits);
    const std::int64_t stride = (static_cast<std::int64_t>(depth) * item.PixelWidth + 31) / 32 * 4;
    const std::int64_t imageSize = stride * item.PixelHeight;
    if (imageSize > MaxImageBytes) throw EOutOfResources(SOutOfResources);
    const std::uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize + 4 * (1u << depth);

    target.SetSize(0);
    target.SetSize(pixelOffset + imageSize);
    LittleEndian header(target.Memory());
    header.Put(std::uint16_t{0x4D42})
        .Put(static_cast<std::uint32_t>(pixelOffset + imageSize))
        .Put(std::uint16_t{0})
        .Put(std::uint16_t{0})
        .Put(pixelOffset);
    header.Put(InfoHeaderSize)
        .Put(item.PixelWidth)
        .Put(item.PixelHeight)
        .Put(std::uint16_t{1})
        .Put(static_cast<std::uint16_t>(depth))
        .Put(std::uint32_t{0})
        .Put(static_cast<std::uint32_t>(imageSize))
        .Put(std::int32_t{0})
        .Put(std::int32_t{0})
        .Put(std::uint32_t{0})
        .Put(std::uint32_t{0});
    PutPalette(header.Position(), item.ColorTable, depth);

    std::uint8_t* pixels = target.Memory() + pixelOffset;
    std::memset(pixels, 0, imageSize);
    const bool damaged = DecodeFrame(*item.CodeData, item.PixelWidth, item.PixelHeight, depth, IsInterlaced, owner_,
                                     pixels, item.ColorBits, TolerateDamage);
    Damaged = Damaged || damaged;
    target.SetPosition(0);
}

TBitmap& TGIFFrame::FrameBitmap() {
    if (bitmap_ && !bitmap_->Empty()) return *bitmap_;
    bitmap_ = std::make_unique<TBitmap>();
    if (!item_->CodeData) return *bitmap_;
    TMemoryStream image;
    BuildBitmapImage(image);
    bitmap_->LoadFromStream(image);
    return *bitmap_;
}

}  // namespace skl
