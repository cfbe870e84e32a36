#pragma once
// Painting on windows: device contexts for a window's client area, and the
// invalid areas that bring the system's paint message (wm::Paint) once the
// message queue is empty.
#include <memory>

#include "framework/core/Messages.h"
#include "framework/core/Types.h"
#include "framework/graphics/DeviceContext.h"

namespace skl {

// In a window's wm::Paint: the context of its invalid area, which counts as
// painted from now on (BeginPaint; EndPaint with the object). The invalid
// area has been erased with the window's background when that was asked for.
std::unique_ptr<TDeviceContext> BeginWindowPaint(TWindowHandle window);
// The context of a window's client area outside the paint cycle, from any
// thread (GetDC; ReleaseDC with the object); none when the window is gone.
std::unique_ptr<TDeviceContext> WindowDC(TWindowHandle window);
// Marks a rectangle of the client area for painting, erased first when `erase` is set.
void InvalidateWindowRect(TWindowHandle window, const TRect& rect, bool erase);
// Paints the window's invalid area now, when it has one.
void UpdateWindow(TWindowHandle window);

}  // namespace skl
