#include "framework/controls/StandardControls.h"

#include "framework/system/Fonts.h"
#include "framework/system/Locale.h"
#include "framework/system/Screen.h"

namespace skl {

void TLabel::SetCaption(const std::string& caption) {
    TWinControl::SetCaption(caption);
    AdjustSize();
}

TLabel::TLabel(TComponent* owner) : TWinControl(owner) { SetAutoSize(true); }

void TLabel::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = StaticClass;
    if (Alignment == TAlignment::taCenter)
        params.Style |= ss::Center;
    else
        params.Style |= WordWrap ? ss::Left : ss::LeftNoWordWrap;
    if (Layout == TTextLayout::tlCenter) params.Style |= ss::CenterImage;
    if (OnClick || OnMouseMove) params.Style |= ss::Notify;
    if (BiDiMode != TBiDiMode::bdLeftToRight && RightToLeftReadingSupported()) params.ExStyle |= wsex::RtlReading;
}

void TLabel::WindowCreated() { AdjustSize(); }

void TLabel::CommandNotified(int code) {
    if (code == cn::StaticClicked) Click();
}

void TLabel::Changed() {
    TWinControl::Changed();
    AdjustSize();
}

// The window takes the text's size in this screen's pixels; the state keeps
// it for 96 pixels per inch. Measuring loads the font's face, which waits
// for the window: a program that stays in the notification area never pays
// for it.
void TLabel::AdjustSize() {
    if (!AutoSize() || !HandleAllocated()) return;
    const TPoint extent = TextExtent(ScreenFont(Font()), Caption());
    TControl::SetBounds(Left(), Top(), DesignPixels(extent.X), DesignPixels(extent.Y));
    const TRect bounds = ScreenBounds();
    Window()->SetBounds(bounds.Left, bounds.Top, extent.X, extent.Y);
}

TButton::TButton(TComponent* owner) : TWinControl(owner) { TabStop = true; }

void TButton::SetDefault(bool value) {
    default_ = value;
    ShowDefaultLook(value);
}

void TButton::ShowDefaultLook(bool look) {
    if (HandleAllocated()) SetButtonDefaultLook(Handle(), look);
}

void TButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = ButtonClass;
    params.Style |= default_ ? bs::DefPushButton : bs::PushButton;
}

void TButton::CommandNotified(int code) {
    if (code == cn::ButtonClicked) Click();
}

void TBitBtn::LoadGlyph(std::span<const std::uint8_t> file) {
    glyph_.LoadFromMemory(file.data(), file.size());
    if (HandleAllocated() && !glyph_.Empty()) SetButtonGlyph(Handle(), glyph_.Image()->Pixels());
}

void TBitBtn::WindowCreated() {
    if (!glyph_.Empty()) SetButtonGlyph(Handle(), glyph_.Image()->Pixels());
}

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) { TabStop = true; }

void TCheckBox::SetChecked(bool checked) {
    checked_ = checked;
    if (HandleAllocated()) SetButtonChecked(Handle(), checked);
}

void TCheckBox::Click() {
    SetChecked(!checked_);
    TWinControl::Click();
}

void TCheckBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = ButtonClass;
    params.Style |= bs::AutoCheckBox;
}

void TCheckBox::WindowCreated() { SetButtonChecked(Handle(), checked_); }

// The system has toggled the box already.
void TCheckBox::CommandNotified(int code) {
    if (code != cn::ButtonClicked) return;
    checked_ = ButtonChecked(Handle());
    TWinControl::Click();
}

}  // namespace skl
