#pragma once
// A system window owned by an object and destroyed with it. Its messages go
// to the owner's handler, which leaves those it does not handle to
// DefaultHandler. A failure escaping the handler is shown by the
// application's failure report and never travels through the system's
// frames; the window goes on working.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/Messages.h"
#include "framework/core/Types.h"

namespace skl {

using TWndMethod = std::function<void(TMessage& message)>;

// The system picks the position or size.
inline constexpr int UseDefault = INT32_MIN;

// What the system needs to make a window.
struct TCreateParams {
    // Registered on first use. A class of the system's own ("BUTTON",
    // "EDIT", ...) is used as it is: its own procedure sees the creation
    // messages, the handler every message after them.
    std::string WindowClass;
    std::string Caption;
    std::uint32_t Style = 0;
    std::uint32_t ExStyle = 0;
    int X = UseDefault, Y = UseDefault, Width = UseDefault, Height = UseDefault;
    // A child window's parent; a top-level window's owner, which it stays above.
    TWindowHandle Parent = 0;
    // A child window's number, by which the dialog keyboard interface names it.
    unsigned Id = 0;
};

// A hidden top-level tool window that only receives messages: for timers and
// the notification area's callbacks. It has no taskbar button.
TCreateParams UtilityWindow();

enum class TShowCommand { Hide, Show, ShowNormal, Minimize, Restore };

inline constexpr const char* SWindowCreateError = "Error creating window";

class TWindow {
public:
    // No system window yet: Create makes it. An owner whose handler needs the
    // TWindow during creation (every default handling does) makes it this way.
    explicit TWindow(TWndMethod handler) : handler_(std::move(handler)) {}
    TWindow(const TCreateParams& params, TWndMethod handler) : TWindow(std::move(handler)) { Create(params); }
    ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    // EOutOfResources when the system refuses the window.
    void Create(const TCreateParams& params);
    // 0 before Create and once the system has destroyed the window.
    TWindowHandle Handle() const { return handle_; }

    // Hands a message to the handler (or the default handling when there is none).
    void Dispatch(TMessage& message) noexcept;
    // The system's own handling of a message.
    void DefaultHandler(TMessage& message);

    void SetText(const std::string& text);
    void Show(TShowCommand command);
    void SetBounds(int x, int y, int width, int height);
    // Has the system repaint the whole window soon (wm::Paint).
    void Invalidate();
    // A timer that posts wm::Timer with `id` every `milliseconds`; setting
    // an existing id again restarts it. False when the system has no timer left.
    bool SetTimer(unsigned id, unsigned milliseconds);
    void KillTimer(unsigned id);

private:
    friend struct TWindowBackend;
    TWindowHandle handle_ = 0;
    TWndMethod handler_;
    std::uintptr_t systemProcedure_ = 0;  // the default handling of a system class
};

// A hidden utility window that hands one message to its handler and leaves
// every other to the system: for timers and calls posted to the message loop.
class TMessageWindow {
public:
    // EOutOfResources when the system refuses the window.
    TMessageWindow(unsigned message, std::function<void()> handler);
    TWindow& Window() { return window_; }

private:
    unsigned message_;
    std::function<void()> handler_;
    TWindow window_;
};

// Posted to, the message goes to every top-level window of the desktop (the
// system's own number for that).
inline constexpr TWindowHandle EveryTopLevelWindow = 0xFFFF;

// Windows by handle, this program's or another's on the same desktop.
TWindowHandle FindTopLevelWindow(const std::string& windowClass);
std::string WindowText(TWindowHandle window);
bool WindowVisible(TWindowHandle window);
// The windows whose parent is this one, in the system's order; for 0 the
// top-level windows of the desktop.
std::vector<TWindowHandle> ChildWindows(TWindowHandle parent);
std::string WindowClassName(TWindowHandle window);
// The window's rectangle in screen coordinates, its frame included.
TRect WindowScreenRect(TWindowHandle window);
// Where the window's client area starts, in screen coordinates, and its size.
TPoint ClientOrigin(TWindowHandle window);
TPoint ClientSize(TWindowHandle window);
// The size a top-level window of these styles needs for a client area of
// `width` x `height`.
TPoint FramedSize(const TCreateParams& params, int width, int height);
bool PostWindowMessage(TWindowHandle window, unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
std::intptr_t SendWindowMessage(TWindowHandle window, unsigned msg, std::uintptr_t wParam = 0,
                                std::intptr_t lParam = 0);

}  // namespace skl
