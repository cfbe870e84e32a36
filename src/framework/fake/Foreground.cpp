#include "framework/fake/Foreground.h"

#include <set>
#include <string>

#include "framework/fake/Journal.h"
#include "framework/system/ControlWindows.h"

namespace skl::fake {

namespace {

TWindowHandle active;
std::set<TWindowHandle> disabled;

}  // namespace

void SetActiveWindow(TWindowHandle window) { active = window; }

void SetWindowEnabled(TWindowHandle window, bool enabled) {
    if (enabled)
        disabled.erase(window);
    else
        disabled.insert(window);
}

void ResetForeground() {
    active = {};
    disabled.clear();
}

}  // namespace skl::fake

namespace skl {

TWindowHandle ActiveWindow() { return fake::active; }

bool WindowEnabled(TWindowHandle window) { return !fake::disabled.contains(window); }

void BringToForeground(TWindowHandle window) { fake::Note("SetForegroundWindow " + std::to_string(window.Get())); }

TWindowHandle ForegroundWindow() { return fake::active; }

TWindowHandle FocusOfWindowThread(TWindowHandle) { return FocusedWindow(); }

}  // namespace skl
