#include "framework/system/Screen.h"

#include <windows.h>

#include "framework/win32/GdiScope.h"

namespace skl {

namespace {

int DeviceCaps(int index) {
    return GetDeviceCaps(TScopedWindowDC().Get(), index);
}

TCursor cursor = TCursor::Default;

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM monitors) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcMonitor;
        reinterpret_cast<std::vector<TRect>*>(monitors)->push_back({r.left, r.top, r.right, r.bottom});
    }
    return TRUE;
}

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

std::vector<TRect> MonitorRects() {
    std::vector<TRect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty()) monitors.push_back(DesktopRect());
    return monitors;
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
