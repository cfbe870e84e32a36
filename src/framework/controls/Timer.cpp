#include "framework/controls/Timer.h"

namespace skl {

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

void TTimer::SetInterval(std::uint32_t interval) {
    if (interval == interval_) return;
    interval_ = interval;
    UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    timer_.reset();
    if (!enabled_ || interval_ == 0 || !onTimer_) return;
    timer_ = std::make_unique<TWindowTimer>(interval_, [this] { onTimer_(*this); });
}

}  // namespace skl
