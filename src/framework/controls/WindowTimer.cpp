#include "framework/controls/WindowTimer.h"

#include <algorithm>

#include "framework/core/Exceptions.h"

namespace skl {

namespace {
constexpr unsigned TimerId = 1;
}

TWindowTimer::TWindowTimer(std::uint32_t interval, std::function<void()> tick) : window_(wm::Timer, std::move(tick)) {
    Start(interval);
}

void TWindowTimer::SetInterval(std::uint32_t interval) {
    window_.Window().KillTimer(TimerId);
    Start(interval);
}

void TWindowTimer::Start(std::uint32_t interval) {
    if (interval == 0) return;
    if (!window_.Window().SetTimer(TimerId, std::min(interval, MaxTimerInterval))) throw EOutOfResources(SNoTimers);
}

}  // namespace skl
