#include "framework/fake/DesktopState.h"

#include <algorithm>
#include <chrono>

#include "framework/graphics/Colors.h"

namespace skl::fake {

TDesktop& Desktop() {
    static TDesktop* desktop = new TDesktop;  // outlives windows and threads at exit
    return *desktop;
}

void ResetDesktop() {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    desktop.Windows.clear();
    desktop.Queue.clear();
    desktop.Timers.clear();
    desktop.Surfaces.clear();
    desktop.MessageBoxes.clear();
    desktop.WhileMessageBoxOpen = nullptr;
    desktop.IdleHandler = nullptr;
    desktop.Clock = 0;
    desktop.RefuseTimers = false;
    desktop.Focused = {};
    desktop.Fonts.clear();
    desktop.Beeps = 0;
    desktop.ControlLibraryReleases = 0;
    desktop.Dpi = 96;
    desktop.DecimalSeparator = U'.';
}

void RefuseTimers(bool refuse) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    desktop.RefuseTimers = refuse;
}

TWindowState* Record(TWindowHandle window) {
    auto found = Desktop().Windows.find(window);
    return found == Desktop().Windows.end() ? nullptr : &found->second.second;
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
    if (const TWindowState* state = Record(window)) return *state;
    return std::nullopt;
}

std::vector<TMessageBoxShown> MessageBoxesShown() {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    return desktop.MessageBoxes;
}

void SetWhileMessageBoxOpen(std::function<void(const TMessageBoxShown&)> action) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    desktop.WhileMessageBoxOpen = std::move(action);
}

TSurface* SurfaceOf(TDesktop& desktop, TWindowHandle window) {
    const auto found = desktop.Windows.find(window);
    if (found == desktop.Windows.end()) return nullptr;
    const TWindowState& state = found->second.second;
    TSurface& surface = desktop.Surfaces[window];
    TBitmap& pixels = surface.Pixels;
    if (pixels.Width() != state.Width || pixels.Height() != state.Height) {
        pixels.SetSize(std::max(state.Width, 0), std::max(state.Height, 0));
        pixels.Canvas().Brush.Color = clBtnFace;
        pixels.Canvas().FillRect({0, 0, state.Width, state.Height});
    }
    return &surface;
}

TWindowHandle WindowToPaint(TDesktop& desktop) {
    for (auto& [handle, surface] : desktop.Surfaces)
        if (surface.Invalid && WindowVisible(handle)) return handle;
    return {};
}

TColor WindowPixel(TWindowHandle window, int x, int y) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    TSurface* surface = SurfaceOf(desktop, window);
    return surface ? surface->Pixels.Canvas().Pixel(x, y) : clNone;
}

std::optional<TRect> InvalidRect(TWindowHandle window) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    const auto found = desktop.Surfaces.find(window);
    return found == desktop.Surfaces.end() ? std::nullopt : found->second.Invalid;
}

bool WaitForPendingMessages(std::size_t count) {
    TDesktop& desktop = Desktop();
    std::unique_lock guard(desktop.Lock);
    return desktop.Posted.wait_for(guard, std::chrono::seconds(10), [&] { return desktop.Queue.size() >= count; });
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
