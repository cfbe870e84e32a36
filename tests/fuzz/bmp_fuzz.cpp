// libFuzzer target: any bytes read as a BMP file end in a bitmap or in one of
// the framework's failures, and a bitmap read is written back in a form that
// reads to the same header and pixels.
#include <cstring>

#include "Check.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/Bitmap.h"
#include "framework/io/Streams.h"

using namespace skl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TBitmap bitmap;
    try {
        bitmap.LoadFromMemory(data, size);
    } catch (const Exception&) {
        return 0;
    }
    TMemoryStream saved;
    bitmap.SaveToStream(saved);
    TBitmap again;
    again.LoadFromMemory(saved.Memory(), static_cast<std::size_t>(saved.Length()));
    const TBitmapImage& first = *bitmap.Image();
    const TBitmapImage& second = *again.Image();
    Check(second.Header.biWidth == first.Header.biWidth && second.Header.biHeight == first.Header.biHeight &&
          second.Header.biBitCount == first.Header.biBitCount);
    Check(std::memcmp(second.Bits(), first.Bits(), first.Header.biSizeImage) == 0);
    return 0;
}
