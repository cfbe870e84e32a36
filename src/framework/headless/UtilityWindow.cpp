#include "framework/headless/UtilityWindow.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "framework/headless/Journal.h"

namespace skl::headless {

namespace {

struct Window {
    TUtilityWindow* owner;
    bool enabled = true;
};

TWindowHandle lastHandle = 0;
std::map<TWindowHandle, Window> windows;

Window& Find(TWindowHandle handle) {
    auto found = windows.find(handle);
    if (found == windows.end()) throw std::invalid_argument("no such window");
    return found->second;
}

}  // namespace

std::vector<TWindowHandle> UtilityWindows() {
    std::vector<TWindowHandle> handles;
    for (const auto& [handle, window] : windows) handles.push_back(handle);
    return handles;
}

std::intptr_t DeliverMessage(TWindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    return Find(window).owner->Dispatch(message, wParam, lParam);
}

void SetWindowEnabled(TWindowHandle window, bool enabled) { Find(window).enabled = enabled; }

}  // namespace skl::headless

namespace skl {

TUtilityWindow::TUtilityWindow(TProcedure procedure) : procedure_(std::move(procedure)) {
    handle_ = ++headless::lastHandle;
    headless::windows[handle_] = {this};
}

TUtilityWindow::~TUtilityWindow() { headless::windows.erase(handle_); }

std::intptr_t TUtilityWindow::DefaultProcedure(unsigned message, std::uintptr_t, std::intptr_t) {
    headless::Note("DefWindowProc " + std::to_string(handle_) + " " + std::to_string(message));
    return 0;
}

bool TUtilityWindow::Enabled() const { return headless::Find(handle_).enabled; }

void TUtilityWindow::BringToForeground() { headless::Note("SetForegroundWindow " + std::to_string(handle_)); }

}  // namespace skl
