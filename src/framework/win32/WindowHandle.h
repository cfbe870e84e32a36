#pragma once
// The system's window handles behind the framework's opaque ones.
#include <windows.h>

#include "framework/core/Messages.h"

namespace skl {

inline HWND ToHwnd(TWindowHandle handle) { return reinterpret_cast<HWND>(handle.Get()); }
inline TWindowHandle FromHwnd(HWND window) { return TWindowHandle(reinterpret_cast<std::uintptr_t>(window)); }

}  // namespace skl
