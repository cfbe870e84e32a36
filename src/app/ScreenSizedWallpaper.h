#pragma once
// The wallpaper at the size the screen shows it. The shell shows a picture
// larger than the screen in part (centre style: the middle at its own size)
// or scaled down (stretch, fit, fill, span), so the screen shows nothing that
// a file of that part, or of that smaller size, does not hold. A tiled
// picture, one of an unknown style and one no larger than the screen stay
// whole.
#include "framework/graphics/Bitmap.h"
#include "imaging/JPEGImage.h"

namespace skl {

// Decodes the loaded picture into `bitmap` as far as the screen shows it in
// the user's style on the monitors there are now.
void DecodeForScreen(TJPEGImage& picture, TBitmap& bitmap);

}  // namespace skl
