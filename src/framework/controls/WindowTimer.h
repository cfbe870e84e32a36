#pragma once
// A periodic timer of the user-interface thread: a hidden window of its own
// receives the system's timer messages, so ticks arrive through the message
// loop and a failing tick is reported like any other handler's.
#include <cstdint>
#include <functional>

#include "framework/system/Window.h"

namespace skl {

// The longest period the system's window timers take (about 24.8 days).
inline constexpr std::uint32_t MaxTimerInterval = 0x7FFFFFFF;
inline constexpr const char* SNoTimers = "Not enough timers available";

class TWindowTimer {
public:
    // Ticks every `interval` milliseconds, none for 0; a period longer than
    // the system takes is cut to MaxTimerInterval. EOutOfResources when the
    // system has no timer left.
    TWindowTimer(std::uint32_t interval, std::function<void()> tick);
    // From now on ticks every `interval` milliseconds; 0 stops it and keeps
    // the window.
    void SetInterval(std::uint32_t interval);

private:
    void Start(std::uint32_t interval);

    TMessageWindow window_;
};

}  // namespace skl
