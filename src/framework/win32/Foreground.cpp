#include "framework/system/Foreground.h"

#include <windows.h>

#include "framework/win32/WindowHandle.h"

namespace skl {

TWindowHandle ActiveWindow() { return FromHwnd(GetActiveWindow()); }

bool WindowEnabled(TWindowHandle window) { return IsWindowEnabled(ToHwnd(window)) != FALSE; }

void BringToForeground(TWindowHandle window) { SetForegroundWindow(ToHwnd(window)); }

TWindowHandle ForegroundWindow() { return FromHwnd(GetForegroundWindow()); }

TWindowHandle FocusOfWindowThread(TWindowHandle window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(ToHwnd(window), nullptr), &info)) return {};
    return FromHwnd(info.hwndFocus);
}

}  // namespace skl
