#include "framework/system/Foreground.h"

#include <windows.h>

namespace skl {

TWindowHandle ActiveWindow() { return reinterpret_cast<TWindowHandle>(GetActiveWindow()); }

bool WindowEnabled(TWindowHandle window) { return IsWindowEnabled(reinterpret_cast<HWND>(window)) != FALSE; }

void BringToForeground(TWindowHandle window) { SetForegroundWindow(reinterpret_cast<HWND>(window)); }

}  // namespace skl

namespace skl {

TWindowHandle ForegroundWindow() { return reinterpret_cast<TWindowHandle>(GetForegroundWindow()); }

TWindowHandle FocusOfWindowThread(TWindowHandle window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(reinterpret_cast<HWND>(window), nullptr), &info)) return 0;
    return reinterpret_cast<TWindowHandle>(info.hwndFocus);
}

}  // namespace skl
