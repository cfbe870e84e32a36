#include "imaging/JPEGData.h"

#include "imaging/JPEGDecoder.h"

namespace skl {

void TJPEGData::Load(TStream& stream, std::int64_t count) {
    bytes_.SetSize(count);
    stream.ReadBuffer(bytes_.Memory(), count);
    if (count == 0) return;
    const TJPEGDecoder header(Bytes(), Size());
    Width = static_cast<int>(header.Info().image_width);
    Height = static_cast<int>(header.Info().image_height);
    Grayscale = header.Info().jpeg_color_space == JCS_GRAYSCALE;
}

}  // namespace skl
