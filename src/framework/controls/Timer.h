#pragma once
// The timer component: raises OnTimer every Interval milliseconds while it is
// enabled, has a handler and a non-zero interval.
#include <cstdint>
#include <memory>

#include "framework/controls/Component.h"
#include "framework/controls/Events.h"
#include "framework/controls/WindowTimer.h"

namespace skl {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    const char* ClassName() const override { return "TTimer"; }

    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t interval);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Whether a system timer is armed now.
    bool Running() const { return timer_ != nullptr; }

    void SetOnTimer(TNotifyEvent handler);

private:
    void UpdateTimer();

    std::uint32_t interval_ = 1000;
    bool enabled_ = true;
    TNotifyEvent onTimer_;
    std::unique_ptr<TWindowTimer> timer_;
};

}  // namespace skl
