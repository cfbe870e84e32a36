#include "framework/fake/Screen.h"

#include "framework/fake/DesktopState.h"

namespace skl {

namespace {
int screenBits = 32;
TCursor cursor = TCursor::Default;
std::vector<TRect> monitors = {{0, 0, 1024, 768}};
}  // namespace

int ScreenBitsPerPixel() { return screenBits; }
void fake::SetScreenBitsPerPixel(int bits) { screenBits = bits; }

int ScreenDpi() {
    auto& desktop = fake::Desktop();
    std::lock_guard guard(desktop.Lock);
    return desktop.Dpi;
}

void fake::SetScreenDpi(int dpi) {
    auto& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    desktop.Dpi = dpi;
}

TRect DesktopRect() {
    TRect desktop = monitors.front();
    for (const TRect& monitor : monitors) desktop = Union(desktop, monitor);
    return desktop;
}

std::vector<TRect> MonitorRects() { return monitors; }
void fake::SetMonitors(std::vector<TRect> rects) { monitors = std::move(rects); }

TCursor ScreenCursor() { return cursor; }
void SetScreenCursor(TCursor shape) { cursor = shape; }
bool ShowScreenCursor() { return cursor != TCursor::Default; }

}  // namespace skl
