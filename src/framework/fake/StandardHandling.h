#pragma once
// How the headless standard controls handle what the program leaves to their
// default handling, as the system's controls do: an edit takes typed
// characters and tells its parent of changes and of losing the focus.
#include <cstdint>

#include "framework/core/Messages.h"

namespace skl::fake {

std::intptr_t StandardHandling(TWindowHandle window, const TMessage& message);
// An edit's text has changed: it tells its parent.
void EditChanged(TWindowHandle window);
// A standard control reports to its parent with wm::Command.
void NotifyParent(TWindowHandle control, int code);

}  // namespace skl::fake
