// libFuzzer target: any bytes, loaded as a JPEG picture and decoded into a
// bitmap, whole, in part and reduced, must end in a picture or in one of the
// framework's failures.
#include <cstddef>
#include <cstdint>

#include "framework/graphics/Bitmap.h"
#include "framework/core/Exceptions.h"
#include "imaging/JPEGImage.h"

namespace {

using namespace skl;

// Larger pictures only take time and memory; their code paths are the same.
constexpr std::int64_t MaxPixels = 1 << 20;

// The last byte lies after the end-of-image marker in a real file, where the
// decoder never looks; here it picks the options of a second decode.
TJPEGOptions OptionsFrom(std::uint8_t bits) {
    TJPEGOptions options;
    options.Grayscale = bits & 1;
    options.PixelFormat = bits & 2 ? TJPEGPixelFormat::Bits8 : TJPEGPixelFormat::Bits24;
    options.Scale = static_cast<TJPEGScale>(bits >> 2 & 3);
    options.Performance = bits & 16 ? TJPEGPerformance::BestSpeed : TJPEGPerformance::BestQuality;
    options.Smoothing = !(bits & 32);
    options.ProgressiveDisplay = bits & 64;
    return options;
}

void Decode(TJPEGImage& picture) {
    if (std::int64_t{picture.Width()} * picture.Height() > MaxPixels) return;
    TBitmap bitmap;
    bitmap.Assign(picture);
}

// What a wallpaper at the screen's size takes: the middle, and a reduced copy.
void DecodeSmaller(TJPEGImage& picture) {
    const int width = picture.Width(), height = picture.Height();
    if (std::int64_t{width} * height > MaxPixels || width < 2 || height < 2) return;
    TBitmap bitmap;
    picture.DecodeArea({width / 4, height / 3, width / 4 + width / 2, height / 3 + height / 2}, bitmap);
    picture.DecodeReduced(width / 2, height / 2, bitmap);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream stream;
    stream.WriteBuffer(data, static_cast<std::int64_t>(size));
    stream.SetPosition(0);
    TJPEGImage picture;
    try {
        picture.LoadFromStream(stream);
        Decode(picture);
        if (size > 0) {
            picture.SetOptions(OptionsFrom(data[size - 1]));
            Decode(picture);
            DecodeSmaller(picture);
        }
    } catch (const Exception&) {
    }
    return 0;
}
