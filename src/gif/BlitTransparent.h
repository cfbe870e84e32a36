#pragma once
// Drawing a bitmap with one colour left see-through.
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/core/Types.h"

namespace skl {

// Stretches the source rectangle (sx, sy, sw, sh) of `bitmap` onto (x, y, w, h)
// of the canvas; pixels of the key colour leave the canvas as it is. A width
// or height below 1 means the bitmap's; a source width or height below 1 the
// whole bitmap. The key clNone copies every pixel with the canvas's copy
// mode; clDefault stands for the colour of the bitmap's bottom-left pixel.
void BlitTransparent(TCanvas& canvas, int x, int y, int w, int h, TBitmap& bitmap, int sx, int sy, int sw, int sh,
                     TColor key);

// The colour's RGB value marked palette-relative.
TColor ToPaletteRGB(TColor color);

}  // namespace skl
