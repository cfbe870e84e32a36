#pragma once
// Reading test GIF data and looking at decoded frames.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/graphics/Bitmap.h"
#include "framework/io/Streams.h"
#include "gif/GIFImage.h"

inline void Parse(skl::TGIFImage& image, const std::string& bytes, bool decodeFirst = false) {
    skl::TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
    image.ParseGIF(stream, static_cast<std::int64_t>(bytes.size()), decodeFirst);
}

// The palette index of every pixel, rows top to bottom.
inline std::vector<std::uint8_t> Indices(skl::TBitmap& bitmap) {
    std::vector<std::uint8_t> out;
    const int bits = static_cast<int>(bitmap.PixelFormat());
    for (int y = 0; y < bitmap.Height(); ++y) {
        const std::uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            switch (bits) {
                case 8: out.push_back(row[x]); break;
                case 4: out.push_back((row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F); break;
                default: out.push_back((row[x / 8] >> (7 - x % 8)) & 1); break;
            }
        }
    }
    return out;
}

// The palette index of the first pixel of each row.
inline std::vector<std::uint8_t> FirstColumn(skl::TBitmap& bitmap) {
    std::vector<std::uint8_t> all = Indices(bitmap);
    std::vector<std::uint8_t> column;
    for (int y = 0; y < bitmap.Height(); ++y) column.push_back(all[static_cast<std::size_t>(y) * bitmap.Width()]);
    return column;
}
