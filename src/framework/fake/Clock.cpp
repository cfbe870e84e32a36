#include "framework/fake/Clock.h"

namespace skl {

namespace {
TSystemTime now;
}

TSystemTime UniversalTimeOfDay() { return now; }
void fake::SetUniversalTimeOfDay(const TSystemTime& time) { now = time; }

}  // namespace skl
