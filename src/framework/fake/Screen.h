#pragma once
// The headless screen: one monitor of 1024 x 768 until a test gives it
// others; its depth and resolution are set by tests too.
#include "framework/system/Screen.h"

namespace skl::fake {

// The headless screen's depth, for tests; 32 until set.
void SetScreenBitsPerPixel(int bits);
// Pixels per logical inch; 96 until set.
void SetScreenDpi(int dpi);
// The monitors, at least one; the desktop spans them all.
void SetMonitors(std::vector<TRect> monitors = {{0, 0, 1024, 768}});

}  // namespace skl::fake
