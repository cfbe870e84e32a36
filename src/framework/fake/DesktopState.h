#pragma once
// The headless desktop's state, shared by the backend's files. Threads may post
// messages, so every access holds the lock; handlers are called outside it.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <utility>

#include "framework/graphics/Bitmap.h"
#include "framework/system/Window.h"
#include "framework/fake/Controls.h"
#include "framework/fake/Desktop.h"

namespace skl::fake {

struct TQueuedMessage {
    TWindowHandle Window;  // 0: the quit message
    TMessage Message;
};

struct TTimerState {
    unsigned Period = 0;
    std::int64_t Due = 0;
};

// What a window's client area shows, and the part of it waiting for a paint.
struct TSurface {
    TBitmap Pixels;
    std::optional<TRect> Invalid;
    bool Erase = false;
};

struct TDesktop {
    std::recursive_mutex Lock;
    // Told when a thread posts a message.
    std::condition_variable_any Posted;
    std::map<TWindowHandle, std::pair<TWindow*, TWindowState>> Windows;
    std::deque<TQueuedMessage> Queue;
    std::map<std::pair<TWindowHandle, unsigned>, TTimerState> Timers;
    std::map<TWindowHandle, TSurface> Surfaces;
    std::vector<TMessageBoxShown> MessageBoxes;
    std::function<void(const TMessageBoxShown&)> WhileMessageBoxOpen;
    std::function<void()> IdleHandler;
    std::int64_t Clock = 0;
    bool RefuseTimers = false;
    std::uintptr_t LastHandle = 0;
    TWindowHandle Focused;
    std::vector<TFontMade> Fonts;
    int Beeps = 0;
    int ControlLibraryReleases = 0;
    int Dpi = 96;
    char32_t DecimalSeparator = U'.';
};

TDesktop& Desktop();

// The record of a live window, or null; the caller holds the lock.
TWindowState* Record(TWindowHandle window);

// Runs `change` on the record of a live window, under the lock.
template <class Change>
void Update(TWindowHandle window, Change change) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    if (TWindowState* state = Record(window)) change(*state);
}

// The surface of a live window at the window's size, made (filled with the
// button face colour, as the system's window class erases) on first use;
// none when the window is gone. Call with the lock held.
TSurface* SurfaceOf(TDesktop& desktop, TWindowHandle window);
// A window that waits for a paint and is visible, or 0. Call with the lock held.
TWindowHandle WindowToPaint(TDesktop& desktop);
// The system's own paint of a window: its invalid area erased as asked, then
// taken as painted.
void PaintDefault(TWindowHandle window);

}  // namespace skl::fake
