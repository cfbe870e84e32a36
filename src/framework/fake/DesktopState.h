#pragma once
// The headless desktop's state, shared by the backend's files. Threads may post
// messages, so every access holds the lock; handlers are called outside it.
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <utility>

#include "framework/system/Window.h"
#include "framework/fake/Controls.h"
#include "framework/fake/Desktop.h"

namespace skl::fake {

struct TQueuedMessage {
    TWindowHandle Window = 0;  // 0: the quit message
    TMessage Message;
};

struct TTimerState {
    unsigned Period = 0;
    std::int64_t Due = 0;
};

struct TDesktop {
    std::recursive_mutex Lock;
    std::map<TWindowHandle, std::pair<TWindow*, TWindowState>> Windows;
    std::deque<TQueuedMessage> Queue;
    std::map<std::pair<TWindowHandle, unsigned>, TTimerState> Timers;
    std::vector<TMessageBoxShown> MessageBoxes;
    std::function<void()> IdleHandler;
    std::int64_t Clock = 0;
    TWindowHandle LastHandle = 0;
    TWindowHandle Focused = 0;
    std::map<TWindowHandle, TPainted> Paints;
    std::vector<TFontMade> Fonts;
    int Beeps = 0;
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

}  // namespace skl::fake
