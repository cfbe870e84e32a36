#include "framework/controls/WindowTimer.h"

#include "framework/core/Exceptions.h"

namespace skl {

namespace {
constexpr unsigned TimerId = 1;
}

TWindowTimer::TWindowTimer(std::uint32_t interval, std::function<void()> tick) : window_(wm::Timer, std::move(tick)) {
    if (!window_.Window().SetTimer(TimerId, interval)) throw EOutOfResources(SNoTimers);
}

}  // namespace skl
