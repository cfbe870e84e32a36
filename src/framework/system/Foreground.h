#pragma once
// Which window of this thread is active, and bringing a window forward.
#include "framework/core/Messages.h"

namespace skl {

// The active window of the calling thread (GetActiveWindow); 0 for none.
TWindowHandle ActiveWindow();
// IsWindowEnabled.
bool WindowEnabled(TWindowHandle window);
// SetForegroundWindow.
void BringToForeground(TWindowHandle window);

}  // namespace skl
