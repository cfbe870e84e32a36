#pragma once
// A periodic timer of the user-interface thread; its ticks arrive through the
// message loop.
#include <cstdint>
#include <functional>

namespace skl {

// The longest period the system's window timers take (about 24.8 days).
inline constexpr std::uint32_t MaxTimerInterval = 0x7FFFFFFF;

class TWindowTimer {
public:
    TWindowTimer(std::uint32_t interval, std::function<void()> tick);
    ~TWindowTimer();
    TWindowTimer(const TWindowTimer&) = delete;
    TWindowTimer& operator=(const TWindowTimer&) = delete;

private:
    std::uintptr_t id_ = 0;
};

}  // namespace skl
