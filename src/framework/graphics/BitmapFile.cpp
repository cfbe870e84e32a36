// The BMP file form of a bitmap: file header, information header, colour
// table for the palette formats, and the pixel rows as they lie in memory.
#include <array>
#include <cstring>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/BitmapFileHeaders.h"
#include "framework/core/Exceptions.h"
#include "framework/core/LittleEndian.h"

namespace skl {

namespace {

constexpr const char* SInvalidBitmap = "Bitmap image is not valid";

bool IsPixelFormat(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24; }

}  // namespace

std::array<std::uint8_t, FileHeaderSize> EncodeFileHeader(std::uint32_t fileSize, std::uint32_t pixelOffset) {
    std::array<std::uint8_t, FileHeaderSize> bytes{};
    TLittleEndianWriter(bytes.data())
        .Put(BitmapFileType).Put(fileSize).Put(std::uint16_t{0}).Put(std::uint16_t{0}).Put(pixelOffset);
    return bytes;
}

std::array<std::uint8_t, InfoHeaderSize> EncodeInfoHeader(const TBitmapInfoHeader& header) {
    std::array<std::uint8_t, InfoHeaderSize> bytes{};
    TLittleEndianWriter(bytes.data())
        .Put(header.biSize).Put(header.biWidth).Put(header.biHeight).Put(header.biPlanes).Put(header.biBitCount)
        .Put(header.biCompression).Put(header.biSizeImage).Put(header.biXPelsPerMeter)
        .Put(header.biYPelsPerMeter).Put(header.biClrUsed).Put(header.biClrImportant);
    return bytes;
}

TBitmapInfoHeader DecodeInfoHeader(const std::array<std::uint8_t, InfoHeaderSize>& bytes) {
    TLittleEndianReader in(bytes.data());
    TBitmapInfoHeader header;
    header.biSize = in.Get<std::uint32_t>();
    header.biWidth = in.Get<std::int32_t>();
    header.biHeight = in.Get<std::int32_t>();
    header.biPlanes = in.Get<std::uint16_t>();
    header.biBitCount = in.Get<std::uint16_t>();
    header.biCompression = in.Get<std::uint32_t>();
    header.biSizeImage = in.Get<std::uint32_t>();
    header.biXPelsPerMeter = in.Get<std::int32_t>();
    header.biYPelsPerMeter = in.Get<std::int32_t>();
    header.biClrUsed = in.Get<std::uint32_t>();
    header.biClrImportant = in.Get<std::uint32_t>();
    return header;
}

void TBitmap::SaveToStream(TStream& stream) {
    if (!image_) return;
    TBitmapInfoHeader header = image_->Header;
    const std::uint32_t tableEntries = static_cast<std::uint32_t>(image_->ColorTable.size());
    std::uint32_t colorCount = tableEntries;
    if (header.biClrUsed != 0 && header.biClrUsed < colorCount) colorCount = header.biClrUsed;
    if (colorCount != 0) header.biClrUsed = colorCount;

    const std::uint32_t infoSize = InfoHeaderSize + 4 * colorCount;
    const std::uint32_t pixelOffset = FileHeaderSize + infoSize;
    stream.WriteBuffer(EncodeFileHeader(pixelOffset + header.biSizeImage, pixelOffset).data(), FileHeaderSize);
    stream.WriteBuffer(EncodeInfoHeader(header).data(), InfoHeaderSize);
    static_assert(sizeof(TRGBQuad) == 4);
    stream.WriteBuffer(image_->ColorTable.data(), 4 * colorCount);
    stream.WriteBuffer(image_->Bits(), header.biSizeImage);
}

void TBitmap::LoadFromStream(TStream& stream) {
    const std::int64_t start = stream.Position();
    std::array<std::uint8_t, FileHeaderSize> fileHeader{};
    std::array<std::uint8_t, InfoHeaderSize> infoHeader{};
    stream.ReadBuffer(fileHeader.data(), fileHeader.size());
    stream.ReadBuffer(infoHeader.data(), infoHeader.size());
    TLittleEndianReader file(fileHeader.data());
    const auto type = file.Get<std::uint16_t>();
    file.Get<std::uint32_t>();
    file.Get<std::uint32_t>();
    const auto pixelOffset = file.Get<std::uint32_t>();
    const TBitmapInfoHeader header = DecodeInfoHeader(infoHeader);
    if (type != BitmapFileType || header.biSize < InfoHeaderSize || header.biCompression != 0 ||
        !IsPixelFormat(header.biBitCount) || header.biWidth < 0 || header.biHeight < 0)
        throw EInvalidGraphic(SInvalidBitmap);

    format_ = static_cast<TPixelFormat>(header.biBitCount);
    auto image = MakeShared<TBitmapImage>(header.biWidth, header.biHeight, format_);
    const std::size_t tableEntries = image->ColorTable.size();
    const std::size_t colorCount = header.biClrUsed != 0 ? std::min<std::size_t>(header.biClrUsed, tableEntries)
                                                         : tableEntries;
    stream.SetPosition(start + FileHeaderSize + header.biSize);
    stream.ReadBuffer(image->ColorTable.data(), 4 * colorCount);
    stream.SetPosition(start + pixelOffset);
    stream.ReadBuffer(image->Bits(), image->Header.biSizeImage);
    image_ = std::move(image);
    Changed();
}

}  // namespace skl
