#include "framework/system/Foreground.h"

#include <windows.h>

namespace skl {

TWindowHandle ActiveWindow() { return reinterpret_cast<TWindowHandle>(GetActiveWindow()); }

bool WindowEnabled(TWindowHandle window) { return IsWindowEnabled(reinterpret_cast<HWND>(window)) != FALSE; }

void BringToForeground(TWindowHandle window) { SetForegroundWindow(reinterpret_cast<HWND>(window)); }

}  // namespace skl
