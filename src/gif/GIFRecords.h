#pragma once
// The records a GIF picture is made of: colour tables, the picture-wide
// header and the pixel data of one frame. Header and pixel data are shared,
// reference-counted, by all copies of a picture or frame.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/SharedImage.h"
#include "framework/io/Streams.h"
#include "framework/core/Types.h"

namespace skl {

struct TGIFPaletteTable {
    struct TRGBTriple {
        std::uint8_t Red = 0, Green = 0, Blue = 0;
        friend bool operator==(const TRGBTriple&, const TRGBTriple&) = default;
    };

    // 0 when the table is absent, else 2, 4, ..., 256.
    std::int32_t EntryCount = 0;
    // In file order; entries at and beyond EntryCount are zero.
    std::array<TRGBTriple, 256> Entries{};

    TColor Color(int index) const {
        const TRGBTriple& entry = Entries[static_cast<std::size_t>(index)];
        return static_cast<TColor>(entry.Red | entry.Green << 8 | entry.Blue << 16);
    }
    friend bool operator==(const TGIFPaletteTable&, const TGIFPaletteTable&) = default;
};

class TGIFData : public TSharedImage {
public:
    // Comment text that belongs to no frame.
    std::vector<std::string> ImageComment;
    std::uint8_t AspectByte = 0;
    std::uint8_t ColorBits = 0;
    std::uint8_t ColorResolution = 0;
    TGIFPaletteTable GlobalTable;
};

// What GIF data says of the whole picture besides its header record.
struct TGIFScreen {
    // 0 none, 1 "87a", 2 "89a".
    std::uint8_t FormatVersion = 0;
    std::uint16_t LogicalWidth = 0;
    std::uint16_t LogicalHeight = 0;
    TColor BackdropColor = clNone;
    bool LoopPresent = false;
    std::uint16_t LoopCount = 1;
};

class TGIFItem : public TSharedImage {
public:
    // The LZW minimum code size byte, then the data sub-blocks as read (each
    // a length byte and that many bytes), with the terminator when the file
    // had one. None for a frame that has no pixel data.
    std::unique_ptr<TMemoryStream> CodeData;
    std::int32_t PixelWidth = 0;
    std::int32_t PixelHeight = 0;
    std::uint8_t DescriptorFlags = 0;
    // The depth of the frame's colour table; 0 when there is none.
    std::uint8_t ColorBits = 0;
    // The frame's own table, or a copy of the global one.
    TGIFPaletteTable ColorTable;
};

// Message texts of the GIF unit's failures.
inline constexpr const char* SUnknownGIFVersion = "Unknown GIF version";
inline constexpr const char* SUnrecognizedExtension = "Unrecognized extension block: %.2X";
inline constexpr const char* SWrongColorCount = "Wrong number of colors; must be a power of 2";
inline constexpr const char* SGIFSizeFixed = "Cannot change the Size of a GIF image";
inline constexpr const char* SCodeSizeRange = "GIF code size not in range 2 to 9";
inline constexpr const char* SGIFDataCorrupt = "GIF encoded data is corrupt";

// 2, 4, ..., 256 colours give 1 to 8 bits; anything else raises
// EInvalidGraphicOperation.
int BitsForCount(int count);

}  // namespace skl
