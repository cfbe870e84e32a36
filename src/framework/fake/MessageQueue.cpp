#include "framework/system/MessageQueue.h"

#include "framework/fake/DesktopState.h"

namespace skl {

using fake::Desktop;
using fake::TDesktop;
using fake::TQueuedMessage;

bool BeginUserInterfaceThread() { return false; }

void EndUserInterfaceThread() {}

namespace {

// With no message queued, the system paints an invalid window.
bool PaintAWindow(TDesktop& desktop) {
    TWindowHandle window;
    {
        std::lock_guard guard(desktop.Lock);
        window = fake::WindowToPaint(desktop);
        if (!window) return false;
    }
    SendWindowMessage(window, wm::Paint);
    std::lock_guard guard(desktop.Lock);
    // A window that left its paint undone is not asked again and again.
    if (fake::TSurface* surface = fake::SurfaceOf(desktop, window)) surface->Invalid.reset();
    return true;
}

}  // namespace

TDispatch DispatchWaitingMessage() {
    TDesktop& desktop = Desktop();
    TQueuedMessage queued;
    TWindow* target = nullptr;
    {
        std::unique_lock guard(desktop.Lock);
        if (desktop.Queue.empty()) {
            guard.unlock();
            return PaintAWindow(desktop) ? TDispatch::Dispatched : TDispatch::NoneWaiting;
        }
        queued = desktop.Queue.front();
        desktop.Queue.pop_front();
        if (!queued.Window) return TDispatch::Quit;
        auto found = desktop.Windows.find(queued.Window);
        if (found != desktop.Windows.end()) target = found->second.first;
    }
    if (target) target->Dispatch(queued.Message);
    return TDispatch::Dispatched;
}

bool WaitForMessage() {
    TDesktop& desktop = Desktop();
    std::function<void()> handler;
    {
        std::lock_guard guard(desktop.Lock);
        handler = desktop.IdleHandler;
    }
    if (!handler) return false;
    handler();
    std::lock_guard guard(desktop.Lock);
    return !desktop.Queue.empty();
}

void PostQuitMessage() {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    desktop.Queue.push_back({{}, {wm::Quit, 0, 0, 0}});
    desktop.Posted.notify_all();
}

}  // namespace skl
