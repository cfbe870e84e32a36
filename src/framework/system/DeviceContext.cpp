#include "framework/system/DeviceContext.h"

namespace skl {

void TDeviceContext::IntersectClip(const TRect& rect) { clip_ = Intersection(clip_, Offset(rect, origin_)); }

void TDeviceContext::PutPixels(int x, int y, const TPixelImage& pixels) {
    const TPoint at{x + origin_.X, y + origin_.Y};
    const TRect area = Intersection(clip_, {at.X, at.Y, at.X + pixels.Rows.Width(), at.Y + pixels.Rows.Height()});
    if (area.Empty()) return;
    Blit({area.Left, area.Top}, pixels, {area.Left - at.X, area.Top - at.Y, area.Right - at.X, area.Bottom - at.Y});
}

void TDeviceContext::FillRect(const TRect& rect, TColor color) {
    const TRect area = Intersection(clip_, Offset(rect, origin_));
    if (!area.Empty()) Fill(area, color);
}

}  // namespace skl
