#pragma once
// The bytes of a JPEG file and what its header says, shared by the pictures
// that were assigned from one another.
#include <cstdint>

#include "framework/graphics/SharedImage.h"
#include "framework/io/Streams.h"

namespace skl {

class TJPEGData : public TSharedImage {
public:
    // Reads `count` bytes from the stream and, unless there are none, parses
    // their header: EJPEG when it is not a JPEG header.
    void Load(TStream& stream, std::int64_t count);

    const std::uint8_t* Bytes() const { return bytes_.Memory(); }
    std::size_t Size() const { return static_cast<std::size_t>(bytes_.Length()); }

    int Width = 0;
    int Height = 0;
    bool Grayscale = false;

private:
    TMemoryStream bytes_;
};

}  // namespace skl
