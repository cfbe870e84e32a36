#include "framework/system/WindowPaint.h"

#include "framework/fake/DesktopState.h"
#include "framework/graphics/Bitmap.h"

namespace skl {

using fake::Desktop;

void PutBitmap(TWindowHandle window, const TRect& dest, TBitmap& bitmap) {
    fake::TPainted painted{dest, bitmap.Width(), bitmap.Height(), {}};
    for (int y = 0; y < painted.Height; ++y)
        for (int x = 0; x < painted.Width; ++x) painted.Pixels.push_back(bitmap.Canvas().Pixel(x, y));
    auto& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    if (fake::Record(window)) desktop.Paints[window] = std::move(painted);
}

std::optional<fake::TPainted> fake::Painted(TWindowHandle window) {
    auto& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    auto found = desktop.Paints.find(window);
    if (found == desktop.Paints.end()) return std::nullopt;
    return found->second;
}

}  // namespace skl
