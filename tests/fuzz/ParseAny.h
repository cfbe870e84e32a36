#pragma once
// Any bytes read as GIF data: the picture keeps what the reader took of them.
#include <cstddef>
#include <cstdint>

#include "framework/core/Exceptions.h"
#include "framework/io/Streams.h"
#include "gif/GIFImage.h"

inline void ParseAny(skl::TGIFImage& image, const std::uint8_t* data, std::size_t size) {
    skl::TMemoryStream stream;
    stream.WriteBuffer(data, static_cast<std::int64_t>(size));
    stream.SetPosition(0);
    try {
        image.ParseGIF(stream, static_cast<std::int64_t>(size), false);
    } catch (const skl::Exception&) {
    }
}
