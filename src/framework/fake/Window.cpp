#include "framework/system/Window.h"

#include "framework/core/Exceptions.h"
#include "framework/fake/DesktopState.h"

namespace skl {

using fake::Desktop;
using fake::TDesktop;
using fake::TWindowState;

namespace {

// Runs `change` on the window's record when the window is alive.
template <class Change>
void Update(TWindowHandle window, Change change) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    auto found = desktop.Windows.find(window);
    if (found != desktop.Windows.end()) change(found->second.second);
}

TWindow* Object(TWindowHandle window) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    auto found = desktop.Windows.find(window);
    return found == desktop.Windows.end() ? nullptr : found->second.first;
}

}  // namespace

void TWindow::Create(const TCreateParams& params) {
    TDesktop& desktop = Desktop();
    {
        std::lock_guard guard(desktop.Lock);
        handle_ = desktop.LastHandle += 4;
        TWindowState state{handle_,      params.WindowClass, params.Caption, params.Style, params.ExStyle,
                           params.Parent, params.X,          params.Y,       params.Width, params.Height};
        state.Visible = (params.Style & ws::Visible) != 0;
        desktop.Windows[handle_] = {this, state};
    }
    // As on the system, a window whose handler withholds the default
    // handling of wm::NcCreate is not made.
    TMessage nonClientCreated{wm::NcCreate, 0, 0, 0};
    Dispatch(nonClientCreated);
    if (nonClientCreated.Result == 0) {
        std::lock_guard guard(desktop.Lock);
        desktop.Windows.erase(std::exchange(handle_, 0));
        throw EOutOfResources(SWindowCreateError);
    }
    TMessage created{wm::Create, 0, 0, 0};
    Dispatch(created);
}

TWindow::~TWindow() {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    desktop.Windows.erase(handle_);
    std::erase_if(desktop.Timers, [this](const auto& timer) { return timer.first.first == handle_; });
    std::erase_if(desktop.Queue, [this](const auto& queued) { return queued.Window == handle_; });
}

void TWindow::DefaultHandler(TMessage& message) { message.Result = message.Msg == wm::NcCreate ? 1 : 0; }

void TWindow::SetText(const std::string& text) {
    Update(handle_, [&](TWindowState& state) { state.Caption = text; });
}

void TWindow::Show(TShowCommand command) {
    Update(handle_, [&](TWindowState& state) {
        state.Visible = command != TShowCommand::Hide;
        if (command == TShowCommand::Minimize) state.Minimized = true;
        if (command == TShowCommand::Restore || command == TShowCommand::ShowNormal) state.Minimized = false;
    });
}

void TWindow::SetBounds(int x, int y, int width, int height) {
    Update(handle_, [&](TWindowState& state) {
        state.X = x;
        state.Y = y;
        state.Width = width;
        state.Height = height;
    });
}

bool TWindow::SetTimer(unsigned id, unsigned milliseconds) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    desktop.Timers[{handle_, id}] = {milliseconds, desktop.Clock + milliseconds};
    return true;
}

// As on the system, a tick that came due but was not handled yet goes too.
void TWindow::KillTimer(unsigned id) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    desktop.Timers.erase({handle_, id});
    std::erase_if(desktop.Queue, [this, id](const fake::TQueuedMessage& queued) {
        return queued.Window == handle_ && queued.Message.Msg == wm::Timer && queued.Message.WParam == id;
    });
}

TWindowHandle FindTopLevelWindow(const std::string& windowClass) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    for (auto& [handle, window] : desktop.Windows)
        if (window.second.WindowClass == windowClass && window.second.Parent == 0) return handle;
    return 0;
}

std::string WindowText(TWindowHandle window) {
    std::string text;
    Update(window, [&](TWindowState& state) { text = state.Caption; });
    return text;
}

bool WindowVisible(TWindowHandle window) {
    bool visible = false;
    Update(window, [&](TWindowState& state) { visible = state.Visible; });
    return visible;
}

std::vector<TWindowHandle> ChildWindows(TWindowHandle parent) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    std::vector<TWindowHandle> children;
    for (auto& [handle, window] : desktop.Windows)
        if (window.second.Parent == parent) children.push_back(handle);
    return children;
}

bool PostWindowMessage(TWindowHandle window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    if (!desktop.Windows.contains(window)) return false;
    desktop.Queue.push_back({window, {msg, wParam, lParam, 0}});
    return true;
}

std::intptr_t SendWindowMessage(TWindowHandle window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    TWindow* target = Object(window);
    if (!target) return 0;
    TMessage message{msg, wParam, lParam, 0};
    target->Dispatch(message);
    return message.Result;
}

}  // namespace skl
