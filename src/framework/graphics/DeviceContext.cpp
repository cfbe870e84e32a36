#include "framework/graphics/DeviceContext.h"

#include <mutex>

#include "framework/graphics/Bitmap.h"

namespace skl {

void TDeviceContext::IntersectClip(const TRect& rect) { clip_ = Intersection(clip_, Offset(rect, origin_)); }

void TDeviceContext::PutBitmap(int x, int y, TBitmap& bitmap) {
    const TPoint at{x + origin_.X, y + origin_.Y};
    const TRect area = Intersection(clip_, {at.X, at.Y, at.X + bitmap.Width(), at.Y + bitmap.Height()});
    if (area.Empty()) return;
    Blit({area.Left, area.Top}, bitmap,
         {area.Left - at.X, area.Top - at.Y, area.Right - at.X, area.Bottom - at.Y});
}

void TDeviceContext::FillRect(const TRect& rect, TColor color) {
    const TRect area = Intersection(clip_, Offset(rect, origin_));
    if (!area.Empty()) Fill(area, color);
}

TBitmapDC::TBitmapDC(TBitmap& bitmap)
    : TDeviceContext({0, 0, bitmap.Width(), bitmap.Height()}), bitmap_(bitmap) {}

void BlitOnBitmap(TBitmap& target, TPoint at, TBitmap& bitmap, const TRect& source) {
    std::lock_guard<TCanvas> hold(bitmap.Canvas());
    target.Canvas().CopyBitmap({at.X, at.Y, at.X + source.Width(), at.Y + source.Height()}, bitmap, source);
}

void FillOnBitmap(TBitmap& target, const TRect& area, TColor color) {
    TCanvas& canvas = target.Canvas();
    const TColor before = canvas.Brush.Color;
    canvas.Brush.Color = color;
    canvas.FillRect(area);
    canvas.Brush.Color = before;
}

void TBitmapDC::Blit(TPoint at, TBitmap& bitmap, const TRect& source) { BlitOnBitmap(bitmap_, at, bitmap, source); }

void TBitmapDC::Fill(const TRect& area, TColor color) { FillOnBitmap(bitmap_, area, color); }

}  // namespace skl
