#include "framework/fake/StandardHandling.h"

#include <string>

#include "framework/core/Utf8.h"
#include "framework/fake/DesktopState.h"
#include "framework/posix/AnsiText.h"
#include "framework/system/ControlWindows.h"

namespace skl::fake {

namespace {

void EraseLastCharacter(std::string& text) {
    while (!text.empty() && IsUtf8Continuation(text.back())) text.pop_back();
    if (!text.empty()) text.pop_back();
}

bool IsEdit(TWindowHandle window) { return WindowClassName(window) == EditClass; }

void TakeCharacter(TWindowHandle window, char32_t c) {
    {
        TDesktop& desktop = Desktop();
        std::lock_guard guard(desktop.Lock);
        TWindowState* state = Record(window);
        if (!state) return;
        if (c == 8)
            EraseLastCharacter(state->Caption);
        else if (c >= 32)
            AppendUtf8(state->Caption, c);
        else
            return;
    }
    EditChanged(window);
}

}  // namespace

void NotifyParent(TWindowHandle control, int code) {
    const auto state = WindowState(control);
    if (!state || !state->Parent) return;
    const auto wParam = (static_cast<std::uintptr_t>(static_cast<std::uint16_t>(code)) << 16) | state->Id;
    SendWindowMessage(state->Parent, wm::Command, wParam, static_cast<std::intptr_t>(control.Get()));
}

void EditChanged(TWindowHandle window) {
    if (IsEdit(window)) NotifyParent(window, cn::EditChanged);
}

std::intptr_t StandardHandling(TWindowHandle window, const TMessage& message) {
    if (message.Msg == wm::NcCreate) return 1;
    if (!IsEdit(window)) return 0;
    if (message.Msg == wm::Char) TakeCharacter(window, static_cast<char32_t>(message.WParam));
    if (message.Msg == wm::KillFocus) NotifyParent(window, cn::EditKillFocus);
    return 0;
}

}  // namespace skl::fake
