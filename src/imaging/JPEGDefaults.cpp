#include "imaging/JPEGDefaults.h"

#include "framework/system/Screen.h"

namespace skl {

namespace {

TJPEGOptions FromScreen() {
    TJPEGOptions options;
    if (ScreenBitsPerPixel() <= 8) options.PixelFormat = TJPEGPixelFormat::Bits8;
    return options;
}

TJPEGOptions defaults = FromScreen();

}  // namespace

const TJPEGOptions& JPEGDefaults() { return defaults; }

void ReadJPEGDefaults() { defaults = FromScreen(); }

}  // namespace skl
