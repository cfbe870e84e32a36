#pragma once
// The system clock as the program reads it.
#include <cstdint>

namespace skl {

struct TSystemTime {
    int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// The time of day in universal time.
TSystemTime UniversalTimeOfDay();

}  // namespace skl
