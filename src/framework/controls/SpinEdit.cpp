#include "framework/controls/SpinEdit.h"

#include "framework/core/IntegerText.h"
#include "framework/system/Locale.h"
#include "framework/system/Screen.h"
#include "framework/system/Sound.h"

namespace skl {

TSpinEdit::TSpinEdit(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    TControl::SetCaption("0");
}

TSpinEdit::~TSpinEdit() = default;

int TSpinEdit::Value() const { return Clamped(StrToIntDef(Text(), MinValue)); }

void TSpinEdit::SetValue(int value) { SetText(std::to_string(Clamped(value))); }

void TSpinEdit::SetText(const std::string& text) { SetCaption(text); }

int TSpinEdit::Clamped(int value) const {
    if (MaxValue == MinValue) return value;
    if (value < MinValue) return MinValue;
    return value > MaxValue ? MaxValue : value;
}

bool TSpinEdit::IsValidChar(char32_t c) {
    return (c >= U'0' && c <= U'9') || c == U'+' || c == U'-' || c == DecimalSeparator() || c < 32;
}

bool TSpinEdit::HasWindow(TWindowHandle window) const {
    return TWinControl::HasWindow(window) || (upDown_ && upDown_->Handle() == window);
}

void TSpinEdit::SetVisible(bool visible) {
    TWinControl::SetVisible(visible);
    if (upDown_) upDown_->Show(visible ? TShowCommand::Show : TShowCommand::Hide);
}

void TSpinEdit::SetEnabled(bool enabled) {
    TWinControl::SetEnabled(enabled);
    if (upDown_) EnableWindowInput(upDown_->Handle(), enabled);
}

void TSpinEdit::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    PlaceWindows();
}

// The buttons take the right end of the control's width.
void TSpinEdit::PlaceWindows() {
    if (!upDown_) return;
    const TRect bounds = ScreenBounds();
    const int buttons = ScreenPixels(UpDownWidth);
    Window()->SetBounds(bounds.Left, bounds.Top, bounds.Width() - buttons, bounds.Height());
    upDown_->SetBounds(bounds.Right - buttons, bounds.Top, buttons, bounds.Height());
}

void TSpinEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = EditClass;
    params.Style |= es::AutoHScroll;
    params.ExStyle |= wsex::ClientEdge;
}

void TSpinEdit::WindowCreated() {
    TCreateParams params;
    params.WindowClass = UpDownClass;
    params.Parent = Parent()->Handle();
    params.Style = ws::Child | (Visible() ? ws::Visible : 0) | (Enabled() ? 0 : ws::Disabled);
    params.X = params.Y = params.Width = params.Height = 0;
    upDown_ = std::make_unique<TWindow>(params, nullptr);
    SetUpDownBuddy(upDown_->Handle(), Handle());
    PlaceWindows();
}

void TSpinEdit::WindowDestroying() { upDown_.reset(); }

void TSpinEdit::WndProc(TMessage& message) {
    if (message.Msg == wm::Char && !IsValidChar(static_cast<char32_t>(message.WParam))) {
        Beep();
        return;
    }
    if (message.Msg == wm::KeyDown && (message.WParam == vk::Up || message.WParam == vk::Down)) {
        message.WParam == vk::Up ? StepUp() : StepDown();
        return;
    }
    TWinControl::WndProc(message);
}

void TSpinEdit::CommandNotified(int code) {
    // What the user typed is the text; the window has it already.
    if (code == cn::EditChanged) TControl::SetCaption(WindowText(Handle()));
    if (code == cn::EditKillFocus) FocusLeft();
}

// The buttons only report the step; the edit's value is the position.
std::intptr_t TSpinEdit::Notified(const TNotification& notification) {
    if (notification.Code != cn::UpDownDeltaPos) return 0;
    notification.Delta > 0 ? StepUp() : StepDown();
    return 1;
}

}  // namespace skl
