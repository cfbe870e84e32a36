#include "framework/fake/Screen.h"

#include "framework/fake/DesktopState.h"

namespace skl {

namespace {
int screenBits = 32;
TCursor cursor = TCursor::Default;
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

TRect DesktopRect() { return {0, 0, 1024, 768}; }

TCursor ScreenCursor() { return cursor; }
void SetScreenCursor(TCursor shape) { cursor = shape; }
bool ShowScreenCursor() { return cursor != TCursor::Default; }

}  // namespace skl
