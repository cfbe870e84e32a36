#pragma once
// The headless backend's utility windows: numbered from 1 up, each with an
// enabled flag; a test delivers messages to them as the message loop would.
// Default processing and SetForegroundWindow are noted in the journal as
// "DefWindowProc <window> <message>" and "SetForegroundWindow <window>".
#include <vector>

#include "framework/UtilityWindow.h"

namespace skl::headless {

// Windows that exist now, oldest first.
std::vector<TWindowHandle> UtilityWindows();
// Calls the window's procedure as the message loop would and returns its result.
std::intptr_t DeliverMessage(TWindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
void SetWindowEnabled(TWindowHandle window, bool enabled);

}  // namespace skl::headless
