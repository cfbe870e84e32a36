#include "framework/headless/Foreground.h"

#include <set>
#include <string>

#include "framework/headless/Journal.h"

namespace skl::headless {

namespace {

TWindowHandle active = 0;
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
    active = 0;
    disabled.clear();
}

}  // namespace skl::headless

namespace skl {

TWindowHandle ActiveWindow() { return headless::active; }

bool WindowEnabled(TWindowHandle window) { return !headless::disabled.contains(window); }

void BringToForeground(TWindowHandle window) { headless::Note("SetForegroundWindow " + std::to_string(window)); }

}  // namespace skl
