#pragma once
// Putting pixels on a window. Any thread may call it: the window's own
// thread while it handles wm::Paint, or a worker that draws at once.
#include "framework/core/Messages.h"
#include "framework/core/Types.h"

namespace skl {

class TBitmap;

// The bitmap scaled onto the rectangle of the window's client area.
void PutBitmap(TWindowHandle window, const TRect& dest, TBitmap& bitmap);

}  // namespace skl
