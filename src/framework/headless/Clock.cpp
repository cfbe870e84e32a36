#include "framework/headless/Clock.h"

namespace skl {

namespace {
TSystemTime now;
}

TSystemTime UniversalTimeOfDay() { return now; }
void SetUniversalTimeOfDay(const TSystemTime& time) { now = time; }

}  // namespace skl
