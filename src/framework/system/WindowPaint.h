#pragma once
// Painting on windows, from any thread: the window's own thread while it
// handles wm::Paint, or a worker that draws at once. A window's invalid area
// brings the system's paint message (wm::Paint) once the queue is empty.
#include <memory>

#include "framework/core/Messages.h"
#include "framework/core/Types.h"
#include "framework/system/DeviceContext.h"

namespace skl {

// The context of a window's client area (GetDC; ReleaseDC with the object);
// none when the window is gone.
std::unique_ptr<TDeviceContext> WindowDC(TWindowHandle window);
// Marks a rectangle of the client area for painting, erased first when `erase` is set.
void InvalidateWindowRect(TWindowHandle window, const TRect& rect, bool erase);
// Paints the window's invalid area now, when it has one.
void UpdateWindow(TWindowHandle window);

}  // namespace skl
