#pragma once
// The headless mouse and keyboard: a test sets what the next message sees.
#include "framework/system/InputState.h"

namespace skl::fake {

void SetCursorPos(TPoint point);
void SetKeyDown(TModifierKey key, bool down);
// Releases every key and puts the cursor at 0, 0.
void ResetInput();

}  // namespace skl::fake
