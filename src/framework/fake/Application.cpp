#include "framework/application/Application.h"

#include "framework/fake/DesktopState.h"

namespace skl {

using fake::Desktop;
using fake::TDesktop;
using fake::TQueuedMessage;

void TApplication::Initialize() {}

void TApplication::Finalize() noexcept {}

bool TApplication::ProcessMessage() {
    TDesktop& desktop = Desktop();
    TQueuedMessage queued;
    TWindow* target = nullptr;
    {
        std::lock_guard guard(desktop.Lock);
        if (desktop.Queue.empty()) return false;
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
}

void TApplication::ShowMessageBox(const std::string& text, const std::string& caption, TMessageBoxIcon icon) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    desktop.MessageBoxes.push_back({text, caption, icon});
}

}  // namespace skl
