#pragma once
// Feeds the library from JPEG file bytes held in memory, 4096 bytes at a time.
// When the bytes run out after something was read, the source supplies an
// end-of-image marker, so a cut-off file still decodes to its end.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <jpeglib.h>

namespace skl {

struct TJPEGSource : jpeg_source_mgr {
    const std::uint8_t* Data = nullptr;
    std::size_t Size = 0;
    std::size_t Position = 0;
    bool StartOfFile = true;
};

void AttachSource(jpeg_decompress_struct& info, TJPEGSource& source, const std::uint8_t* data, std::size_t size);

}  // namespace skl
