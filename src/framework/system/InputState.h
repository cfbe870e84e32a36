#pragma once
// The state of the mouse and of the modifier keys as the user-interface
// thread sees it while it handles a message.
#include "framework/core/Types.h"

namespace skl {

enum class TModifierKey { Shift, Control, Menu };

// Mouse position in screen coordinates (GetCursorPos).
TPoint CursorPos();
// GetKeyState: the key was down when the message being handled was made.
bool KeyIsDown(TModifierKey key);

}  // namespace skl
