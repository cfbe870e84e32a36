#pragma once
#include "framework/system/Clock.h"

namespace skl::fake {

// The headless clock stands still at the time a test sets (00:00:00.000 until set).
void SetUniversalTimeOfDay(const TSystemTime& time);

}  // namespace skl::fake
