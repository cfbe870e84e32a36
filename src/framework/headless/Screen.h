#pragma once
#include "framework/Screen.h"

namespace skl {

// The headless screen's depth, for tests; 32 until set.
void SetScreenBitsPerPixel(int bits);

}  // namespace skl
