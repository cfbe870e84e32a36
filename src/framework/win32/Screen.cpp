#include "framework/system/Screen.h"

#include <windows.h>

#include "framework/win32/GdiScope.h"

namespace skl {

namespace {

int DeviceCaps(int index) {
    return GetDeviceCaps(TScopedWindowDC().Get(), index);
}

TCursor cursor = TCursor::Default;

void Show(TCursor shape) { SetCursor(LoadCursorW(nullptr, shape == TCursor::HandPoint ? IDC_HAND : IDC_ARROW)); }

}  // namespace

int ScreenBitsPerPixel() { return DeviceCaps(BITSPIXEL) * DeviceCaps(PLANES); }

int ScreenDpi() {
    // A process that is aware of the screen's resolution keeps the one it started with.
    static const int dpi = DeviceCaps(LOGPIXELSY);
    return dpi;
}

TRect DesktopRect() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

TCursor ScreenCursor() { return cursor; }

void SetScreenCursor(TCursor shape) {
    cursor = shape;
    Show(shape);
}

bool ShowScreenCursor() {
    if (cursor == TCursor::Default) return false;
    Show(cursor);
    return true;
}

}  // namespace skl
