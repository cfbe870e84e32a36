// Fuzzes the GIF reader and decoder: any bytes are read as GIF data, every
// frame's bitmap is built and drawn, and the picture is copied and written
// again. No crash, no hang, no access outside a buffer.
#include <cstddef>
#include <cstdint>

#include "framework/graphics/Bitmap.h"
#include "framework/core/Exceptions.h"
#include "framework/io/Streams.h"
#include "ParseAny.h"
#include "gif/GIFImage.h"

namespace {

// Frames are decoded up to this many pixels in all: beyond it the run only
// measures the machine's memory.
constexpr std::int64_t PixelBudget = 16 * 1024 * 1024;

void DecodeFrames(skl::TGIFImage& image) {
    skl::TBitmap target;
    target.SetSize(16, 16);
    std::int64_t budget = PixelBudget;
    for (int i = 0; i < image.FrameCount(); ++i) {
        skl::TGIFFrame& frame = image.FrameAt(i);
        budget -= std::int64_t{frame.Item().PixelWidth} * frame.Item().PixelHeight;
        if (budget < 0) break;
        try {
            frame.DrawFrame(target.Canvas(), {-2, 3, 20, 9}, true);
        } catch (const skl::Exception&) {
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    skl::TGIFImage image;
    ParseAny(image, data, size);
    DecodeFrames(image);

    skl::TGIFImage copy;
    copy.Assign(image);
    skl::TMemoryStream written;
    copy.SaveToStream(written);
    written.SetPosition(0);
    try {
        copy.ParseGIF(written, written.Length(), false);
    } catch (const skl::Exception&) {
    }
    return 0;
}
