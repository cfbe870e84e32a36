#include "framework/system/InputState.h"

#include <windows.h>

namespace skl {

TPoint CursorPos() {
    POINT point{};
    GetCursorPos(&point);
    return {point.x, point.y};
}

bool KeyIsDown(TModifierKey key) {
    const int code = key == TModifierKey::Shift ? VK_SHIFT : key == TModifierKey::Control ? VK_CONTROL : VK_MENU;
    return GetKeyState(code) < 0;
}

}  // namespace skl
