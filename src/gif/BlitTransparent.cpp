#include "gif/BlitTransparent.h"

#include <mutex>

#include "framework/graphics/Colors.h"

namespace skl {

namespace {

constexpr TColor PaletteRelative = 0x02000000;

}  // namespace

TColor ToPaletteRGB(TColor color) { return ColorToRGB(color) | PaletteRelative; }

void BlitTransparent(TCanvas& canvas, int x, int y, int w, int h, TBitmap& bitmap, int sx, int sy, int sw, int sh,
                     TColor key) {
    if (w < 1) w = bitmap.Width();
    if (h < 1) h = bitmap.Height();
    if (sw < 1 || sh < 1) {
        sx = 0;
        sy = 0;
        sw = bitmap.Width();
        sh = bitmap.Height();
    }
    if (bitmap.PixelFormat() != TPixelFormat::pf1bit) canvas.StretchMode = TStretchMode::smColorOnColor;
    // The key is compared by colour for every depth, two-colour bitmaps too.
    std::lock_guard<TCanvas> lock(bitmap.Canvas());
    canvas.CopyBitmap({x, y, x + w, y + h}, bitmap, {sx, sy, sx + sw, sy + sh}, key);
}

}  // namespace skl
