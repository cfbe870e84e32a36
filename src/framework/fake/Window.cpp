#include "framework/system/Window.h"

#include "framework/core/Exceptions.h"
#include "framework/fake/DesktopState.h"
#include "framework/system/WindowPaint.h"
#include "framework/fake/StandardHandling.h"
#include "framework/system/ControlWindows.h"

namespace skl {

using fake::Desktop;
using fake::TDesktop;
using fake::TWindowState;
using fake::Update;

namespace {

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
        TWindowState state;
        state.Handle = handle_;
        state.WindowClass = params.WindowClass;
        state.Caption = params.Caption;
        state.Style = params.Style;
        state.ExStyle = params.ExStyle;
        state.Parent = params.Parent;
        state.Id = params.Id;
        state.X = params.X;
        state.Y = params.Y;
        state.Width = params.Width;
        state.Height = params.Height;
        state.Visible = state.EverShown = (params.Style & ws::Visible) != 0;
        state.DefaultLook = params.WindowClass == ButtonClass && (params.Style & 0xF) == bs::DefPushButton;
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
    desktop.Surfaces.erase(handle_);
    if (desktop.Focused == handle_) desktop.Focused = 0;
    std::erase_if(desktop.Timers, [this](const auto& timer) { return timer.first.first == handle_; });
    std::erase_if(desktop.Queue, [this](const auto& queued) { return queued.Window == handle_; });
}

void TWindow::DefaultHandler(TMessage& message) {
    message.Result = fake::StandardHandling(handle_, message);
    // The system's default paint takes the invalid area as painted.
    if (message.Msg == wm::Paint) fake::PaintDefault(handle_);
}

void TWindow::SetText(const std::string& text) {
    Update(handle_, [&](TWindowState& state) { state.Caption = text; });
    fake::EditChanged(handle_);
}

void TWindow::Invalidate() {
    const auto state = fake::WindowState(handle_);
    if (state) InvalidateWindowRect(handle_, {0, 0, state->Width, state->Height}, true);
}

namespace {

// As on the system, a window that appears is painted afresh, with every
// child window in it.
void PaintAfresh(TWindowHandle window) {
    if (const auto state = fake::WindowState(window))
        InvalidateWindowRect(window, {0, 0, state->Width, state->Height}, true);
    for (TWindowHandle child : ChildWindows(window))
        if (fake::WindowState(child)->Style & ws::Child) PaintAfresh(child);
}

}  // namespace

void TWindow::Show(TShowCommand command) {
    bool appeared = false;
    Update(handle_, [&](TWindowState& state) {
        appeared = !state.Visible && command != TShowCommand::Hide;
        state.Visible = command != TShowCommand::Hide;
        state.EverShown = state.EverShown || state.Visible;
        if (command == TShowCommand::Minimize) state.Minimized = true;
        if (command == TShowCommand::Restore || command == TShowCommand::ShowNormal) state.Minimized = false;
    });
    if (appeared) PaintAfresh(handle_);
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
    if (desktop.RefuseTimers) return false;
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

// As on the system: a child window shows only while its parents show too.
bool WindowVisible(TWindowHandle window) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    TWindowState* state = fake::Record(window);
    if (!state) return false;
    for (; state; state = (state->Style & ws::Child) ? fake::Record(state->Parent) : nullptr)
        if (!state->Visible) return false;
    return true;
}

std::vector<TWindowHandle> ChildWindows(TWindowHandle parent) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    std::vector<TWindowHandle> children;
    for (auto& [handle, window] : desktop.Windows)
        if (window.second.Parent == parent) children.push_back(handle);
    return children;
}

std::string WindowClassName(TWindowHandle window) {
    std::string name;
    Update(window, [&](TWindowState& state) { name = state.WindowClass; });
    return name;
}

// Every frame is 3 pixels wide; a caption adds 19 rows.
TPoint FramedSize(const TCreateParams& params, int width, int height) {
    if (!(params.Style & (ws::Caption | ws::Border | ws::DlgFrame))) return {width, height};
    return {width + 6, height + 6 + ((params.Style & ws::Caption) == ws::Caption ? 19 : 0)};
}

namespace {

// How much the frame adds to a window's width and height.
TPoint FrameOf(const TWindowState& state) {
    TCreateParams frame;
    frame.Style = state.Style;
    return FramedSize(frame, 0, 0);
}

}  // namespace

TPoint ClientOrigin(TWindowHandle window) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    TPoint origin;
    for (TWindowState* state = fake::Record(window); state;
         state = (state->Style & ws::Child) ? fake::Record(state->Parent) : nullptr) {
        const TPoint frame = FrameOf(*state);
        origin.X += state->X + frame.X / 2;
        origin.Y += state->Y + frame.Y - frame.X / 2;
    }
    return origin;
}

TPoint ClientSize(TWindowHandle window) {
    const auto state = fake::WindowState(window);
    if (!state) return {};
    const TPoint frame = FrameOf(*state);
    return {state->Width - frame.X, state->Height - frame.Y};
}

TRect WindowScreenRect(TWindowHandle window) {
    const auto state = fake::WindowState(window);
    if (!state) return {};
    const TPoint frame = FrameOf(*state);
    const TPoint client = ClientOrigin(window);
    const int left = client.X - frame.X / 2, top = client.Y - (frame.Y - frame.X / 2);
    return {left, top, left + state->Width, top + state->Height};
}

bool PostWindowMessage(TWindowHandle window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    if (window == EveryTopLevelWindow) {
        for (auto& [handle, record] : desktop.Windows)
            if (record.second.Parent == 0) desktop.Queue.push_back({handle, {msg, wParam, lParam, 0}});
    } else if (desktop.Windows.contains(window)) {
        desktop.Queue.push_back({window, {msg, wParam, lParam, 0}});
    } else {
        return false;
    }
    desktop.Posted.notify_all();
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
