#include "framework/system/Screen.h"

#include <windows.h>

namespace skl {

int ScreenBitsPerPixel() {
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    return bits;
}

}  // namespace skl

namespace skl {

namespace {
TCursor cursor = TCursor::Default;
}

TCursor ScreenCursor() { return cursor; }

void SetScreenCursor(TCursor shape) {
    cursor = shape;
    SetCursor(LoadCursorW(nullptr, shape == TCursor::HandPoint ? IDC_HAND : IDC_ARROW));
}

}  // namespace skl
