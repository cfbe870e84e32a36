#include "framework/system/ControlWindows.h"

#include <algorithm>
#include <initializer_list>

#include "framework/fake/DesktopState.h"
#include "framework/fake/Foreground.h"
#include "framework/fake/StandardHandling.h"
#include "framework/graphics/Bitmap.h"

namespace skl {

using fake::Desktop;
using fake::TDesktop;
using fake::TWindowState;
using fake::Update;

namespace {

template <class Value, class Reader>
Value Read(TWindowHandle window, Value none, Reader read) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    TWindowState* state = fake::Record(window);
    return state ? read(*state) : none;
}

// The device context of a headless wm::CtlColor... message: the colours set on it.
struct TColorContext {
    TColor Text = clNone;
    TColor Background = clNone;
};

void SendNotification(TWindowHandle control, int code, int delta) {
    const auto state = fake::WindowState(control);
    if (!state || !state->Parent) return;
    TNotification notification{control, code, delta};
    SendWindowMessage(state->Parent, wm::Notify, state->Id, reinterpret_cast<std::intptr_t>(&notification));
}

}  // namespace

void FocusWindow(TWindowHandle window) {
    TWindowHandle previous;
    {
        TDesktop& desktop = Desktop();
        std::lock_guard guard(desktop.Lock);
        if (desktop.Focused == window || !fake::Record(window)) return;
        previous = std::exchange(desktop.Focused, window);
    }
    if (previous) SendWindowMessage(previous, wm::KillFocus, window.Get());
    SendWindowMessage(window, wm::SetFocus, previous.Get());
}

TWindowHandle FocusedWindow() {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    return desktop.Focused;
}

void EnableWindowInput(TWindowHandle window, bool enabled) { fake::SetWindowEnabled(window, enabled); }

bool ButtonChecked(TWindowHandle button) {
    return Read(button, false, [](TWindowState& state) { return state.Checked; });
}

void SetButtonChecked(TWindowHandle button, bool checked) {
    Update(button, [&](TWindowState& state) { state.Checked = checked; });
}

void SetButtonDefaultLook(TWindowHandle button, bool isDefault) {
    Update(button, [&](TWindowState& state) { state.DefaultLook = isDefault; });
}

void SetButtonGlyph(TWindowHandle button, const TPixelImage& glyph) {
    const int width = glyph.Rows.Width();
    Update(button, [&](TWindowState& state) { state.GlyphWidth = width; });
}

bool ReleaseControlLibrary() {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    const bool controlLeft = std::ranges::any_of(desktop.Windows, [](const auto& window) {
        const std::string& windowClass = window.second.second.WindowClass;
        return std::ranges::any_of(std::initializer_list<const char*>{ButtonClass, EditClass, ComboBoxClass,
                                                                      StaticClass, TabControlClass, UpDownClass},
                                   [&](const char* control) { return windowClass == control; });
    });
    if (!controlLeft) ++desktop.ControlLibraryReleases;
    return !controlLeft;
}

int fake::ControlLibraryReleases() {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    return desktop.ControlLibraryReleases;
}

void InsertListEntry(TWindowHandle list, int index, const std::string& text) {
    Update(list, [&](TWindowState& state) {
        state.Entries.insert(state.Entries.begin() + index, text);
        if (state.Selection >= index) ++state.Selection;
    });
}

void ClearListEntries(TWindowHandle list) {
    Update(list, [](TWindowState& state) {
        state.Entries.clear();
        state.Selection = -1;
    });
}

void SelectListEntry(TWindowHandle list, int index) {
    Update(list, [&](TWindowState& state) {
        state.Selection = index >= 0 && index < static_cast<int>(state.Entries.size()) ? index : -1;
    });
}

int SelectedListEntry(TWindowHandle list) {
    return Read(list, -1, [](TWindowState& state) { return state.Selection; });
}

void SetListFieldHeight(TWindowHandle list, int height) {
    Update(list, [&](TWindowState& state) { state.FieldHeight = height; });
}

void SetTabs(TWindowHandle tabs, const std::vector<std::string>& captions) {
    Update(tabs, [&](TWindowState& state) {
        state.Entries = captions;
        state.Selection = -1;
    });
}

void SelectTab(TWindowHandle tabs, int index) { SelectListEntry(tabs, index); }

int SelectedTab(TWindowHandle tabs) { return SelectedListEntry(tabs); }

int TabCount(TWindowHandle tabs) {
    return Read(tabs, 0, [](TWindowState& state) { return static_cast<int>(state.Entries.size()); });
}

// The tabs take the top 20 rows; a frame of 2 goes round the rest.
TRect TabDisplayArea(TWindowHandle tabs) {
    return Read(tabs, TRect{}, [](TWindowState& state) {
        return TRect{2, 22, state.Width - 2, state.Height - 2};
    });
}

void SetUpDownBuddy(TWindowHandle upDown, TWindowHandle buddy) {
    Update(upDown, [&](TWindowState& state) { state.Buddy = buddy; });
}

TNotification ReadNotification(std::intptr_t lParam) { return *reinterpret_cast<const TNotification*>(lParam); }

std::intptr_t ControlColors(std::uintptr_t deviceContext, TColor text, TColor background) {
    auto* context = reinterpret_cast<TColorContext*>(deviceContext);
    context->Text = text;
    context->Background = background;
    return static_cast<std::intptr_t>(background) + 1;
}

namespace fake {

void Click(TWindowHandle control) {
    const auto state = WindowState(control);
    if (!state || !WindowEnabled(control)) return;
    if (state->WindowClass == ButtonClass) {
        if ((state->Style & 0xF) == bs::AutoCheckBox) SetButtonChecked(control, !state->Checked);
        NotifyParent(control, cn::ButtonClicked);
    } else if (state->WindowClass == StaticClass) {
        if (state->Style & ss::Notify) NotifyParent(control, cn::StaticClicked);
    } else {
        SendWindowMessage(control, wm::LButtonDown, 1);
        SendWindowMessage(control, wm::LButtonUp);
    }
}

void ChooseEntry(TWindowHandle list, int index) {
    SelectListEntry(list, index);
    NotifyParent(list, cn::ListSelectionChanged);
}

void ChooseTab(TWindowHandle tabs, int index) {
    SelectTab(tabs, index);
    SendNotification(tabs, cn::TabSelectionChanged, 0);
}

void Type(TWindowHandle window, const std::u32string& text) {
    for (char32_t c : text) SendWindowMessage(window, wm::Char, c);
}

void PressKey(TWindowHandle window, unsigned key) { SendWindowMessage(window, wm::KeyDown, key); }

void ClickUpDown(TWindowHandle upDown, int delta) { SendNotification(upDown, cn::UpDownDeltaPos, delta); }

void MoveMouse(TWindowHandle window, int x, int y) {
    const std::uint32_t position = (static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16) |
                                   static_cast<std::uint16_t>(x);
    SendWindowMessage(window, wm::MouseMove, 0, static_cast<std::intptr_t>(position));
}

std::pair<TColor, TColor> ColorsFor(TWindowHandle parent, TWindowHandle child) {
    TColorContext context;
    const unsigned message = WindowClassName(child) == EditClass ? wm::CtlColorEdit : wm::CtlColorStatic;
    SendWindowMessage(parent, message, reinterpret_cast<std::uintptr_t>(&context), static_cast<std::intptr_t>(child.Get()));
    return {context.Text, context.Background};
}

}  // namespace fake

}  // namespace skl
