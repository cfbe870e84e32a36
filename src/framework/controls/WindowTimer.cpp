#include "framework/controls/WindowTimer.h"

#include "framework/core/Exceptions.h"

namespace skl {

namespace {
constexpr unsigned TimerId = 1;
}

TWindowTimer::TWindowTimer(std::uint32_t interval, std::function<void()> tick)
    : tick_(std::move(tick)), window_([this](TMessage& message) {
          if (message.Msg == wm::Timer)
              tick_();
          else
              window_.DefaultHandler(message);
      }) {
    window_.Create(UtilityWindow());
    if (!window_.SetTimer(TimerId, interval)) throw EOutOfResources(SNoTimers);
}

}  // namespace skl
