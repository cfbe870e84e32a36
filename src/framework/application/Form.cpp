#include "framework/application/Form.h"

#include "framework/application/Application.h"
#include "framework/controls/StandardControls.h"
#include "framework/system/Foreground.h"
#include "framework/system/Screen.h"

namespace skl {

TForm::TForm(TComponent* owner) : TWinControl(owner) { TControl::SetVisible(false); }

void TForm::AfterConstruction() {
    try {
        DoCreate();
    } catch (...) {
        Application().HandleException();
    }
}

void TForm::DoCreate() {
    if (OnCreate) OnCreate(*this);
}

TForm* ParentForm(TControl& control) {
    TControl* top = &control;
    while (top->Parent()) top = top->Parent();
    return dynamic_cast<TForm*>(top);
}

void TForm::Close() {
    if (Application().MainForm() == this)
        Application().Terminate();
    else
        Hide();
}

void TForm::Activate() {
    if (OnActivate) OnActivate(*this);
}

// A window not on the screen stays off it: the system would show it minimised.
void TForm::Minimize() {
    if (HandleAllocated() && WindowVisible(Handle())) Window()->Show(TShowCommand::Minimize);
}

void TForm::SetVisible(bool visible) {
    TWinControl::SetVisible(visible);
    if (!visible && HandleAllocated()) PostWindowMessage(Handle(), wm::ReleaseWindows);
}

// The window the user left may still be on the stack: its controls go
// from the message loop.
void TForm::ReleaseControlWindows() {
    if (Visible()) return;
    DestroyChildHandles();
    ReleaseControlLibrary();
}

void TForm::ShowActivated() {
    TControl::SetVisible(true);
    Activate();
    if (Visible()) Show();
}

void TForm::Restore() {
    TControl::SetVisible(true);
    HandleNeeded();
    ChildHandlesNeeded();
    Window()->Show(TShowCommand::Restore);
    BringToForeground(Handle());
}

void TForm::ShowModal() {
    TForm* main = Application().MainForm();
    const bool disableMain = main && main != this && main->HandleAllocated() && main->Enabled();
    if (disableMain) EnableWindowInput(main->Handle(), false);
    Show();
    while (Visible() && !Application().Terminated() && Application().HandleMessage()) {
    }
    if (disableMain) EnableWindowInput(main->Handle(), true);
    Hide();
}

void TForm::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
}

void TForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style = ws::Caption | ws::ClipChildren;
    params.ExStyle = wsex::ControlParent;
    if (BorderStyle == TBorderStyle::bsSizeable) params.Style |= ws::ThickFrame;
    if (BorderStyle == TBorderStyle::bsDialog) params.ExStyle |= wsex::DlgModalFrame;
    if (SystemMenu) params.Style |= ws::SysMenu;
    if (SystemMenu && BorderStyle != TBorderStyle::bsDialog) params.Style |= ws::MinimizeBox | ws::MaximizeBox;
    if (clientWidth_ > 0 || clientHeight_ > 0) {
        const TPoint size = FramedSize(params, ScreenPixels(clientWidth_), ScreenPixels(clientHeight_));
        params.Width = size.X;
        params.Height = size.Y;
    }
    if (Position == TPosition::poDesktopCenter) {
        const TRect desktop = DesktopRect();
        params.X = desktop.Left + (desktop.Width() - params.Width) / 2;
        params.Y = desktop.Top + (desktop.Height() - params.Height) / 2;
    }
}

// Some systems draw a frame other than the one they compute beforehand: the
// client area gets its size all the same.
void TForm::WindowCreated() {
    if (clientWidth_ <= 0 && clientHeight_ <= 0) return;
    const TPoint client = ClientSize(Handle());
    const int wider = ScreenPixels(clientWidth_) - client.X, higher = ScreenPixels(clientHeight_) - client.Y;
    if (wider == 0 && higher == 0) return;
    const TRect outer = WindowScreenRect(Handle());
    const bool centred = Position == TPosition::poDesktopCenter;
    Window()->SetBounds(outer.Left - (centred ? wider / 2 : 0), outer.Top - (centred ? higher / 2 : 0),
                        outer.Width() + wider, outer.Height() + higher);
}

void TForm::WndProc(TMessage& message) {
    switch (message.Msg) {
        case wm::Close:
            Close();
            return;
        case wm::Activate:
            // Back in front, the form gives the focus to the control that had it.
            if ((message.WParam & 0xFFFF) != 0 && (message.WParam >> 16) == 0) {
                FocusActiveControl();
                return;
            }
            break;
        case wm::ReleaseWindows:
            ReleaseControlWindows();
            return;
        case wm::GetDefId:
            if (TButton* button = ButtonFor(IdOk))
                message.Result = static_cast<std::intptr_t>((HasDefId << 16) | button->Id());
            return;
        case wm::Command:
            // The dialog keyboard interface names a button by its number.
            if ((message.WParam >> 16) != cn::ButtonClicked) break;
            if (TButton* button = ButtonFor(message.WParam & 0xFFFF)) {
                button->Click();
                return;
            }
            break;
        default:
            break;
    }
    TWinControl::WndProc(message);
}

void TForm::FocusActiveControl() {
    TWinControl* target = ActiveControl();
    if (!target || !target->CanFocus()) {
        target = nullptr;
        for (TWinControl* control : Descendants())
            if (control->TabStop && control->CanFocus()) {
                target = control;
                break;
            }
    }
    if (target) target->SetFocus();
}

// Enter presses the focused button, or else the default one.
void TForm::FocusMoved(TWinControl& control) {
    auto* focusedButton = dynamic_cast<TButton*>(&control);
    for (TWinControl* descendant : Descendants())
        if (auto* button = dynamic_cast<TButton*>(descendant))
            button->ShowDefaultLook(focusedButton ? button == focusedButton : button->Default());
}

TButton* TForm::ButtonFor(unsigned id) const {
    for (TWinControl* control : Descendants()) {
        auto* button = dynamic_cast<TButton*>(control);
        if (!button || !button->CanFocus()) continue;
        const bool named = id == IdOk ? button->Default() : id == IdCancel ? button->Cancel() : id == button->Id();
        if (named) return button;
    }
    return nullptr;
}

}  // namespace skl
