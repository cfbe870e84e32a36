#pragma once
// Icon handles of the headless backend: numbers from 1 up, one per picture
// made, so that a test can tell which picture a shell call carried.
#include <vector>

#include "framework/system/IconHandle.h"

namespace skl::fake {

// Handles made and not yet destroyed.
std::vector<TIconHandle> LiveIconHandles();

}  // namespace skl::fake
