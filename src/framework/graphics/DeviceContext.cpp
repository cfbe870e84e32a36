#include "framework/graphics/DeviceContext.h"

#include <algorithm>
#include <mutex>

#include "framework/graphics/Bitmap.h"

namespace skl {

TRect Intersection(const TRect& a, const TRect& b) {
    TRect both{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
               std::min(a.Bottom, b.Bottom)};
    if (both.Right < both.Left) both.Right = both.Left;
    if (both.Bottom < both.Top) both.Bottom = both.Top;
    return both;
}

TRect Offset(const TRect& rect, TPoint by) {
    return {rect.Left + by.X, rect.Top + by.Y, rect.Right + by.X, rect.Bottom + by.Y};
}

void TDeviceContext::IntersectClip(const TRect& rect) { clip_ = Intersection(clip_, Offset(rect, origin_)); }

void TDeviceContext::PutBitmap(int x, int y, TBitmap& bitmap) {
    const TPoint at{x + origin_.X, y + origin_.Y};
    const TRect area = Intersection(clip_, {at.X, at.Y, at.X + bitmap.Width(), at.Y + bitmap.Height()});
    if (area.Width() <= 0 || area.Height() <= 0) return;
    Blit({area.Left, area.Top}, bitmap,
         {area.Left - at.X, area.Top - at.Y, area.Right - at.X, area.Bottom - at.Y});
}

void TDeviceContext::FillRect(const TRect& rect, TColor color) {
    const TRect area = Intersection(clip_, Offset(rect, origin_));
    if (area.Width() > 0 && area.Height() > 0) Fill(area, color);
}

TBitmapDC::TBitmapDC(TBitmap& bitmap)
    : TDeviceContext({0, 0, bitmap.Width(), bitmap.Height()}), bitmap_(bitmap) {}

void TBitmapDC::Blit(TPoint at, TBitmap& bitmap, const TRect& source) {
    std::lock_guard<TCanvas> hold(bitmap.Canvas());
    bitmap_.Canvas().CopyBitmap({at.X, at.Y, at.X + source.Width(), at.Y + source.Height()}, bitmap, source);
}

void TBitmapDC::Fill(const TRect& area, TColor color) {
    TCanvas& canvas = bitmap_.Canvas();
    const TColor before = canvas.Brush.Color;
    canvas.Brush.Color = color;
    canvas.FillRect(area);
    canvas.Brush.Color = before;
}

}  // namespace skl
