#include <map>

#include "framework/headless/WindowTimers.h"

namespace skl {

namespace {

struct Armed {
    std::uint32_t interval;
    std::uint64_t due;
    std::function<void()> tick;
};

std::uint64_t clockNow = 0;
std::uintptr_t lastId = 0;
std::uint32_t lastInterval = 0;
std::map<std::uintptr_t, Armed> timers;

}  // namespace

TWindowTimer::TWindowTimer(std::uint32_t interval, std::function<void()> tick) : id_(++lastId) {
    lastInterval = interval;
    timers[id_] = {interval, clockNow + interval, std::move(tick)};
}

TWindowTimer::~TWindowTimer() { timers.erase(id_); }

void AdvanceTimers(std::uint64_t milliseconds) {
    const std::uint64_t end = clockNow + milliseconds;
    for (;;) {
        auto next = timers.end();
        for (auto it = timers.begin(); it != timers.end(); ++it)
            if (it->second.due <= end && (next == timers.end() || it->second.due < next->second.due)) next = it;
        if (next == timers.end()) break;
        clockNow = next->second.due;
        next->second.due += next->second.interval;
        auto tick = next->second.tick;  // the tick may disarm its own timer
        tick();
    }
    clockNow = end;
}

int ArmedTimerCount() { return static_cast<int>(timers.size()); }
std::uint32_t LastArmedInterval() { return lastInterval; }

}  // namespace skl
