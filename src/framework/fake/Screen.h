#pragma once
#include "framework/system/Screen.h"

namespace skl::fake {

// The headless screen's depth, for tests; 32 until set.
void SetScreenBitsPerPixel(int bits);

}  // namespace skl::fake
