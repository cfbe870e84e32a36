#include "framework/graphics/BitmapDC.h"

#include <mutex>

namespace skl {

void PutBitmap(TDeviceContext& dc, int x, int y, TBitmap& bitmap) {
    if (bitmap.Empty()) return;
    std::lock_guard<TCanvas> hold(bitmap.Canvas());
    dc.PutPixels(x, y, bitmap.Image()->Pixels());
}

void BlitOnBitmap(TBitmap& target, TPoint at, const TPixelImage& pixels, const TRect& source) {
    target.Canvas().CopyPixels({at.X, at.Y, at.X + source.Width(), at.Y + source.Height()}, pixels, source);
}

void FillOnBitmap(TBitmap& target, const TRect& area, TColor color) {
    TCanvas& canvas = target.Canvas();
    const TColor before = canvas.Brush.Color;
    canvas.Brush.Color = color;
    canvas.FillRect(area);
    canvas.Brush.Color = before;
}

TBitmapDC::TBitmapDC(TBitmap& bitmap)
    : TDeviceContext({0, 0, bitmap.Width(), bitmap.Height()}), bitmap_(bitmap) {}

void TBitmapDC::Blit(TPoint at, const TPixelImage& pixels, const TRect& source) {
    BlitOnBitmap(bitmap_, at, pixels, source);
}

void TBitmapDC::Fill(const TRect& area, TColor color) { FillOnBitmap(bitmap_, area, color); }

}  // namespace skl
