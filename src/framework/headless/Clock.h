#pragma once
#include "framework/Clock.h"

namespace skl {

// The headless clock stands still at the time a test sets (00:00:00.000 until set).
void SetUniversalTimeOfDay(const TSystemTime& time);

}  // namespace skl
