#pragma once
// The headless backend's desktop: every window, the message queue, the timers
// and the message boxes live in this process, so that a test can look at them
// and drive the message loop. Nothing happens unless a test makes it happen.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/core/Messages.h"
#include "framework/core/Types.h"
#include "framework/system/Fonts.h"
#include "framework/system/MessageBox.h"

namespace skl::fake {

struct TWindowState {
    TWindowHandle Handle;
    std::string WindowClass;
    std::string Caption;
    std::uint32_t Style = 0;
    std::uint32_t ExStyle = 0;
    TWindowHandle Parent;
    unsigned Id = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    bool Visible = false;
    bool Minimized = false;
    bool EverShown = false;  // has been on the screen at some time
    // What the program set on a standard control.
    TFontHandle Font;
    bool Checked = false;
    bool DefaultLook = false;
    int GlyphWidth = 0;
    std::vector<std::string> Entries;  // of a list, or the tabs of a tab strip
    int Selection = -1;                // the entry or tab selected
    int FieldHeight = 0;               // of a closed drop-down list
    TWindowHandle Buddy;           // the edit of up-down buttons
};

struct TMessageBoxShown {
    std::string Text;
    std::string Caption;
    TMessageBoxIcon Icon = TMessageBoxIcon::None;
    friend bool operator==(const TMessageBoxShown&, const TMessageBoxShown&) = default;
};

// A fresh desktop: no window, message, timer, message box or idle handler.
// When the queue is empty, the message loop paints an invalid visible window
// (wm::Paint) before it goes idle, as the system does.
void ResetDesktop();

// The windows alive, oldest first.
std::vector<TWindowState> Windows();
std::optional<TWindowState> WindowState(TWindowHandle window);
std::vector<TMessageBoxShown> MessageBoxesShown();
// Called while a message box is open, before the user closes it: the
// system's box runs a message loop of its own, so timer ticks and clicks go
// on meanwhile, and may come from any thread that shows a box.
void SetWhileMessageBoxOpen(std::function<void(const TMessageBoxShown&)> action);

std::size_t PendingMessages();

// While set, the system has no window timer left to give.
void RefuseTimers(bool refuse);
// The period of a window's timer, when it is set.
std::optional<unsigned> TimerPeriod(TWindowHandle window, unsigned id);
// Moves the clock on. Each timer that came due posts one wm::Timer, unless
// one is still waiting in the queue: like the system's, ticks never pile up.
void AdvanceClock(unsigned milliseconds);

// What the window's client area shows now: the pixels painted on it, the
// button face colour where nothing was painted.
TColor WindowPixel(TWindowHandle window, int x, int y);
// The part of the window that waits for a paint, when there is one.
std::optional<TRect> InvalidRect(TWindowHandle window);

// Waits until at least `count` messages are queued; false when that does not
// happen within a few seconds.
bool WaitForPendingMessages(std::size_t count = 1);

// Called by the message loop whenever the queue is empty, so that a test can
// act as the user. Without one, or when it posts nothing, Run returns.
void SetIdleHandler(std::function<void()> handler);

}  // namespace skl::fake
