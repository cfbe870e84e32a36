#include "framework/fake/DesktopState.h"

#include <algorithm>

namespace skl::fake {

TDesktop& Desktop() {
    static TDesktop desktop;
    return desktop;
}

void ResetDesktop() {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    desktop.Windows.clear();
    desktop.Queue.clear();
    desktop.Timers.clear();
    desktop.MessageBoxes.clear();
    desktop.IdleHandler = nullptr;
    desktop.Clock = 0;
    desktop.Focused = 0;
    desktop.Paints.clear();
    desktop.Fonts.clear();
    desktop.Beeps = 0;
    desktop.Dpi = 96;
    desktop.DecimalSeparator = U'.';
}

TWindowState* Record(TWindowHandle window) {
    auto found = Desktop().Windows.find(window);
    return found == Desktop().Windows.end() ? nullptr : &found->second.second;
}

bool Showing(TWindowHandle window) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    TWindowState* state = Record(window);
    if (!state) return false;
    for (; state; state = (state->Style & ws::Child) ? Record(state->Parent) : nullptr)
        if (!state->Visible) return false;
    return true;
}

std::vector<TWindowState> Windows() {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    std::vector<TWindowState> windows;
    for (auto& [handle, window] : desktop.Windows) windows.push_back(window.second);
    return windows;
}

std::optional<TWindowState> WindowState(TWindowHandle window) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    auto found = desktop.Windows.find(window);
    if (found == desktop.Windows.end()) return std::nullopt;
    return found->second.second;
}

std::vector<TMessageBoxShown> MessageBoxesShown() {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    return desktop.MessageBoxes;
}

std::size_t PendingMessages() {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    return desktop.Queue.size();
}

std::optional<unsigned> TimerPeriod(TWindowHandle window, unsigned id) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    auto found = desktop.Timers.find({window, id});
    if (found == desktop.Timers.end()) return std::nullopt;
    return found->second.Period;
}

void AdvanceClock(unsigned milliseconds) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    desktop.Clock += milliseconds;
    for (auto& [key, timer] : desktop.Timers) {
        if (timer.Due > desktop.Clock) continue;
        while (timer.Due <= desktop.Clock) timer.Due += std::max(timer.Period, 1u);
        const TWindowHandle window = key.first;
        const unsigned id = key.second;
        const bool waiting = std::any_of(desktop.Queue.begin(), desktop.Queue.end(), [&](const TQueuedMessage& queued) {
            return queued.Window == window && queued.Message.Msg == wm::Timer && queued.Message.WParam == id;
        });
        if (!waiting) desktop.Queue.push_back({window, {wm::Timer, id, 0, 0}});
    }
}

void SetIdleHandler(std::function<void()> handler) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    desktop.IdleHandler = std::move(handler);
}

}  // namespace skl::fake
