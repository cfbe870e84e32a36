#pragma once
// The headless screen: 1024 x 768; its depth and resolution are set by tests.
#include "framework/system/Screen.h"

namespace skl::fake {

// The headless screen's depth, for tests; 32 until set.
void SetScreenBitsPerPixel(int bits);
// Pixels per logical inch; 96 until set.
void SetScreenDpi(int dpi);

}  // namespace skl::fake
