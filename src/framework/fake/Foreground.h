#pragma once
// The headless active window and enabled flags, set by tests. Bringing a
// window forward is noted in the journal as "SetForegroundWindow <window>".
#include "framework/system/Foreground.h"

namespace skl::fake {

void SetActiveWindow(TWindowHandle window);
void SetWindowEnabled(TWindowHandle window, bool enabled);
// No active window, every window enabled.
void ResetForeground();

}  // namespace skl::fake
