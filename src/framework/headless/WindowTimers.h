#pragma once
// The headless timers run on a virtual clock that tests move forward.
#include <cstdint>

#include "framework/WindowTimer.h"

namespace skl {

// Moves the timers' clock on by `milliseconds`, firing every tick that falls
// due on the way, in time order.
void AdvanceTimers(std::uint64_t milliseconds);
// Number of timers armed now, and the period of the one armed last.
int ArmedTimerCount();
std::uint32_t LastArmedInterval();

}  // namespace skl
