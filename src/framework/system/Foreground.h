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
// The window in front, of whichever program (GetForegroundWindow).
TWindowHandle ForegroundWindow();
// The window with the keyboard focus on the thread that made `window`, in
// whichever program.
TWindowHandle FocusOfWindowThread(TWindowHandle window);

}  // namespace skl
