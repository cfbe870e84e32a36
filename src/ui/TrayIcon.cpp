#include "ui/TrayIcon.h"

#include <algorithm>

#include "framework/application/Application.h"
#include "framework/system/Foreground.h"
#include "framework/system/InputState.h"
#include "framework/core/Messages.h"
#include "ui/ShortHint.h"

namespace skl {

namespace {

// hIcon when there is no current icon object.
constexpr TIconHandle NoIcon{~std::uintptr_t{0}};

// A timer with no interval does not tick: no pause is the shortest one.
std::uint32_t TimerInterval(std::uint16_t interval) { return std::max<std::uint32_t>(interval, 1); }

unsigned Bit(TMouseButton button) { return 1u << button; }

TShiftState KeyboardShift() {
    TShiftState shift;
    if (KeyIsDown(TModifierKey::Shift)) shift.Include(ssShift);
    if (KeyIsDown(TModifierKey::Control)) shift.Include(ssCtrl);
    if (KeyIsDown(TModifierKey::Menu)) shift.Include(ssAlt);
    return shift;
}

}  // namespace

TTrayIcon::TTrayIcon(TComponent* owner)
    : TComponent(owner) {
    // Made in two steps: the procedure hands the creation messages to the window's default handling.
    window_ = std::make_unique<TWindow>(
        [this](TMessage& message) { message.Result = NotifyWndProc(message.Msg, message.WParam, message.LParam); });
    window_->Create(UtilityWindow());
    icon_ = std::make_unique<TIcon>();
    icon_->OnChange = [this](TGraphic&) { UpdateIcon(); };
    icons_ = std::make_unique<TIconList>();
    icons_->OnChange = [this](TIconList&) { UpdateIcon(); };
}

TTrayIcon::~TTrayIcon() {
    // A tick under way takes the lock: it ends before the lock is held here.
    if (animationTimer_) animationTimer_->EndTicks();
    std::lock_guard hold(lock_);
    BeginDestruction();
    enabled_ = false;
    icon_->OnChange = nullptr;
    icons_->OnChange = nullptr;
    SetAnimated(false);
    HideIcon();
    window_.reset();
    icon_.reset();
    icons_.reset();
}

void TTrayIcon::SetActive(bool value) {
    std::lock_guard hold(lock_);
    if (value == active_) return;
    active_ = value;
    if (Designing()) return;
    if (value)
        ShowIcon();
    else
        HideIcon();
}

void TTrayIcon::SetHint(const std::string& value) {
    std::lock_guard hold(lock_);
    if (value == hint_) return;
    hint_ = value;
    UpdateIcon();
}

void TTrayIcon::SetIcon(const TIcon& icon) {
    std::lock_guard hold(lock_);
    icon_->Assign(icon);
}

void TTrayIcon::SetIcons(const TIconList& icons) {
    std::lock_guard hold(lock_);
    icons_->Assign(icons);
}

bool TTrayIcon::Animated() const {
    std::lock_guard hold(lock_);
    return animated_;
}

void TTrayIcon::SetAnimated(bool value) {
    std::lock_guard hold(lock_);
    value = value && icons_->Count() > 0;
    if (value == animated_) return;
    if (value && !animationTimer_) {
        animationTimer_ = std::make_unique<TThreadedTimer>(nullptr);
        animationTimer_->SetEnabled(false);
        animationTimer_->SetSyncEvent(false);
        animationTimer_->SetInterval(TimerInterval(interval_));
        animationTimer_->SetOnTimer([this](TComponent&) { NextFrame(); });
    }
    animated_ = value;
    try {
        RunAnimationWhileShown();
    } catch (...) {
        animated_ = false;
        throw;
    }
    frameIndex_ = 0;
    UpdateIcon();
}

void TTrayIcon::RunAnimationWhileShown() {
    if (animationTimer_) animationTimer_->SetEnabled(animated_ && iconAdded_);
}

std::uint16_t TTrayIcon::Interval() const {
    std::lock_guard hold(lock_);
    return interval_;
}

void TTrayIcon::SetInterval(std::uint16_t value) {
    std::lock_guard hold(lock_);
    interval_ = value;
    if (animationTimer_) animationTimer_->SetInterval(TimerInterval(value));
}

void TTrayIcon::SetPopupMenu(TPopupMenu* menu) {
    popupMenu_ = menu;
    if (menu) FreeNotification(*menu);
}

bool TTrayIcon::IconAdded() const {
    std::lock_guard hold(lock_);
    return iconAdded_;
}

void TTrayIcon::Loaded() {
    TComponent::Loaded();
    ShowWhenActive();
}

void TTrayIcon::ShowWhenActive() {
    std::lock_guard hold(lock_);
    if (active_ && !Designing()) ShowIcon();
}

void TTrayIcon::Notification(TComponent& component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && &component == popupMenu_) popupMenu_ = nullptr;
}

TIcon* TTrayIcon::CurrentIcon() const {
    const int count = icons_->Count();
    if (count > 0 && animated_) return icons_->Items(std::max(std::min(frameIndex_, count - 1), 0));
    return icon_.get();
}

void TTrayIcon::FillNotifyData() {
    std::lock_guard hold(lock_);
    NotifyData.cbSize = NotifyIconDataV1Size();
    NotifyData.hWnd = window_->Handle();
    NotifyData.uID = 0;
    NotifyData.uFlags = nifMessage | nifIcon | nifTip;
    NotifyData.uCallbackMessage = TrayNotifyMessage;
    const TIcon* icon = CurrentIcon();
    NotifyData.hIcon = icon ? icon->Handle() : NoIcon;
    NotifyData.szTip = ShortHint(hint_);
}

void TTrayIcon::ShowIcon() {
    HideIcon();
    TIcon* icon = CurrentIcon();
    if (!icon || icon->Empty()) return;
    pressedButtons_ = 0;
    FillNotifyData();
    iconAdded_ = ShellNotifyIcon(TNotifyIconMessage::nimAdd, NotifyData);
    // An empty tip is taken only by a modify.
    if (iconAdded_ && ShortHint(hint_).empty()) ShellNotifyIcon(TNotifyIconMessage::nimModify, NotifyData);
    RunAnimationWhileShown();
}

void TTrayIcon::HideIcon() {
    ShellNotifyIcon(TNotifyIconMessage::nimDelete, NotifyData);
    iconAdded_ = false;
    pressedButtons_ = 0;
    RunAnimationWhileShown();
}

void TTrayIcon::UpdateIcon() {
    std::lock_guard hold(lock_);
    if (icons_->Count() == 0) SetAnimated(false);
    if (iconAdded_) {
        TIcon* icon = CurrentIcon();
        if (!icon || icon->Empty()) {
            HideIcon();
        } else {
            FillNotifyData();
            ShellNotifyIcon(TNotifyIconMessage::nimModify, NotifyData);
        }
    } else if (active_ && !Designing()) {
        ShowIcon();
    }
}

void TTrayIcon::NextFrame() {
    std::lock_guard hold(lock_);
    if (Destroying() || !animated_) return;
    ++frameIndex_;
    if (frameIndex_ >= icons_->Count()) frameIndex_ = 0;
    UpdateIcon();
}

std::intptr_t TTrayIcon::NotifyWndProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    // A new taskbar holds no icons: this one goes there again, whether its
    // events are enabled or not.
    if (message == TaskbarCreatedMessage()) {
        ShowWhenActive();
        return 0;
    }
    if (message != TrayNotifyMessage || !enabled_) {
        TMessage unhandled{message, wParam, lParam, 0};
        window_->DefaultHandler(unhandled);
        return unhandled.Result;
    }
    try {
        HandleNotification(static_cast<unsigned>(lParam));
    } catch (...) {
        Application().HandleException();
    }
    return 0;
}

void TTrayIcon::HandleNotification(unsigned mouseMessage) {
    const TShiftState keys = KeyboardShift();
    const TPoint at = CursorPos();
    switch (mouseMessage) {
    case wm::MouseMove: RaiseMouseMove(keys, at.X, at.Y); break;
    case wm::LButtonDown: ButtonDown(mbLeft, keys + ssLeft, at); break;
    case wm::LButtonUp: ButtonUp(mbLeft, keys + ssLeft, at); break;
    case wm::LButtonDblClk:
        RaiseDblClick();
        RaiseMouseDown(mbLeft, keys + ssDouble, at.X, at.Y);
        break;
    case wm::RButtonDown: ButtonDown(mbRight, keys + ssRight, at); break;
    case wm::RButtonUp: ButtonUp(mbRight, keys + ssRight, at); break;
    case wm::RButtonDblClk: RaiseMouseDown(mbRight, keys + ssDouble, at.X, at.Y); break;
    case wm::MButtonDown: RaiseMouseDown(mbMiddle, keys + ssMiddle, at.X, at.Y); break;
    case wm::MButtonUp: RaiseMouseUp(mbMiddle, keys + ssMiddle, at.X, at.Y); break;
    case wm::MButtonDblClk: RaiseMouseDown(mbMiddle, keys + ssDouble, at.X, at.Y); break;
    default: break;
    }
}

void TTrayIcon::ButtonDown(TMouseButton button, TShiftState shift, TPoint at) {
    RaiseMouseDown(button, shift, at.X, at.Y);
    std::lock_guard hold(lock_);
    pressedButtons_ |= Bit(button);
}

void TTrayIcon::ButtonUp(TMouseButton button, TShiftState shift, TPoint at) {
    bool pressed;
    {
        std::lock_guard hold(lock_);
        pressed = pressedButtons_ & Bit(button);
        pressedButtons_ &= ~Bit(button);
    }
    if (pressed) RaiseClick(button, shift, at.X, at.Y);
    RaiseMouseUp(button, shift, at.X, at.Y);
}

void TTrayIcon::RaiseDblClick() {
    if (!RunDefaultMenuItem() && OnDblClick) OnDblClick(*this);
}

void TTrayIcon::RaiseClick(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbRight && OpenPopupMenu(x, y)) return;
    if (OnClick) OnClick(*this, button, shift, x, y);
}

void TTrayIcon::RaiseMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

void TTrayIcon::RaiseMouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(*this, shift, x, y);
}

void TTrayIcon::RaiseMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}

bool TTrayIcon::OpenPopupMenu(int x, int y) {
    if (Designing() || !active_ || !popupMenu_ || !popupMenu_->AutoPopup()) return false;
    popupMenu_->SetPopupComponent(this);
    CancelFormModes();
    BringWindowForward();
    Application().ProcessMessages();
    // The pending messages may have freed the menu.
    if (TPopupMenu* menu = popupMenu_) {
        try {
            menu->Popup(x, y);
        } catch (...) {
            BringWindowForward();
            throw;
        }
    }
    BringWindowForward();
    return true;
}

bool TTrayIcon::RunDefaultMenuItem() {
    if (Designing() || !active_ || !popupMenu_) return false;
    for (int i = 0; i < popupMenu_->Count(); ++i) {
        TMenuItem& item = popupMenu_->Items(i);
        if (item.Default() && item.Enabled()) {
            item.Click();
            return true;
        }
    }
    return false;
}

void TTrayIcon::CancelFormModes() {
    if (Destroying()) return;
    TWindowHandle form = ActiveWindow();
    TForm* mainForm = Application().MainForm();
    if (!form && mainForm && mainForm->HandleAllocated()) form = mainForm->Handle();
    if (form) SendWindowMessage(form, wm::CancelMode);
}

void TTrayIcon::BringWindowForward() {
    if (WindowEnabled(window_->Handle())) BringToForeground(window_->Handle());
}

}  // namespace skl
