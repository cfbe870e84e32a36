#pragma once
// The system's window handles behind the framework's opaque ones.
#include <windows.h>

#include "framework/core/Types.h"

namespace skl {

inline HWND ToHwnd(TWindowHandle handle) { return reinterpret_cast<HWND>(handle); }
inline TWindowHandle FromHwnd(HWND window) { return reinterpret_cast<TWindowHandle>(window); }

}  // namespace skl
