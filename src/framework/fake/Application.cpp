#include "framework/application/Application.h"

#include "framework/fake/DesktopState.h"

namespace skl {

using fake::Desktop;
using fake::TDesktop;
using fake::TQueuedMessage;

void TApplication::Initialize() {}

void TApplication::Finalize() noexcept {}

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

bool TApplication::ProcessMessage() {
    TDesktop& desktop = Desktop();
    TQueuedMessage queued;
    TWindow* target = nullptr;
    {
        std::unique_lock guard(desktop.Lock);
        if (desktop.Queue.empty()) {
            guard.unlock();
            return PaintAWindow(desktop);
        }
        queued = desktop.Queue.front();
        desktop.Queue.pop_front();
        if (queued.Window == 0) {
            terminated_ = true;
            return true;
        }
        auto found = desktop.Windows.find(queued.Window);
        if (found != desktop.Windows.end()) target = found->second.first;
    }
    if (target) target->Dispatch(queued.Message);
    return true;
}

bool TApplication::Idle() {
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

void TApplication::PostQuit() {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    desktop.Queue.push_back({0, {wm::Quit, 0, 0, 0}});
    desktop.Posted.notify_all();
}

void TApplication::ShowMessageBox(const std::string& text, const std::string& caption, TMessageBoxIcon icon) {
    TDesktop& desktop = Desktop();
    const fake::TMessageBoxShown box{text, caption, icon};
    std::function<void(const fake::TMessageBoxShown&)> whileOpen;
    {
        std::lock_guard guard(desktop.Lock);
        desktop.MessageBoxes.push_back(box);
        whileOpen = desktop.WhileMessageBoxOpen;
    }
    if (whileOpen) whileOpen(box);
}

}  // namespace skl
