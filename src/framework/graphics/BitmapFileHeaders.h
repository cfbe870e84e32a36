#pragma once
// The headers of a BMP file, little-endian as the file holds them: the
// 14-byte file header and the 40-byte information header.
#include <array>
#include <cstdint>

#include "framework/graphics/Bitmap.h"

namespace skl {

inline constexpr std::uint16_t BitmapFileType = 0x4D42;  // "BM"
inline constexpr std::uint32_t FileHeaderSize = 14;
inline constexpr std::uint32_t InfoHeaderSize = 40;

std::array<std::uint8_t, FileHeaderSize> EncodeFileHeader(std::uint32_t fileSize, std::uint32_t pixelOffset);
std::array<std::uint8_t, InfoHeaderSize> EncodeInfoHeader(const TBitmapInfoHeader& header);
TBitmapInfoHeader DecodeInfoHeader(const std::array<std::uint8_t, InfoHeaderSize>& bytes);

}  // namespace skl
