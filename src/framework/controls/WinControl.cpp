#include "framework/controls/WinControl.h"

#include <algorithm>

#include "framework/system/Fonts.h"
#include "framework/system/InputState.h"
#include "framework/system/Screen.h"

namespace skl {

namespace {

// Numbers below 100 are the dialog keyboard interface's own (IdOk, IdCancel).
unsigned nextId = 100;

// The keys and buttons that a mouse message reports in its WParam.
TShiftState MouseShift(std::uintptr_t keys) {
    TShiftState shift;
    if (keys & 0x04) shift.Include(ssShift);
    if (keys & 0x08) shift.Include(ssCtrl);
    if (KeyIsDown(TModifierKey::Menu)) shift.Include(ssAlt);
    if (keys & 0x01) shift.Include(ssLeft);
    if (keys & 0x02) shift.Include(ssRight);
    if (keys & 0x10) shift.Include(ssMiddle);
    return shift;
}

int LowWord(std::intptr_t value) { return static_cast<std::int16_t>(value & 0xFFFF); }
int HighWord(std::intptr_t value) { return static_cast<std::int16_t>((value >> 16) & 0xFFFF); }

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner), id_(nextId++) {}

TWinControl::~TWinControl() {
    // Children may outlive their parent's window part: their owner frees them later.
    for (TControl* control : std::vector<TControl*>(controls_)) control->SetParent(nullptr);
    TWinControl& top = TopLevel();
    if (top.activeControl_ == this) top.activeControl_ = nullptr;
}

TWindowHandle TWinControl::Handle() {
    HandleNeeded();
    return window_->Handle();
}

void TWinControl::HandleNeeded() {
    if (HandleAllocated()) return;
    // The parent's window comes first, and makes this one with its children.
    if (Parent()) Parent()->HandleNeeded();
    if (HandleAllocated()) return;
    TCreateParams params;
    CreateParams(params);
    {
        const auto painters = HoldPainters();
        window_ = std::make_unique<TWindow>([this](TMessage& message) { WndProc(message); });
        window_->Create(params);
    }
    SetWindowFont(window_->Handle(), ScreenFont(Font()));
    WindowCreated();
    if (Visible()) window_->Show(TShowCommand::Show);
    // A hidden top-level window makes its controls' windows when first shown:
    // a program that stays in the notification area never pays for them.
    if (Parent() || Visible()) ChildHandlesNeeded();
}

void TWinControl::ChildHandlesNeeded() {
    for (TControl* control : controls_)
        if (auto* child = dynamic_cast<TWinControl*>(control)) child->HandleNeeded();
}

void TWinControl::DestroyHandle() {
    if (!HandleAllocated()) return;
    DestroyChildHandles();
    WindowDestroying();
    const auto painters = HoldPainters();
    window_.reset();
}

// Other threads that paint on the window find it made or gone, never half-way.
std::vector<std::unique_lock<std::recursive_mutex>> TWinControl::HoldPainters() const {
    std::vector<std::unique_lock<std::recursive_mutex>> painters;
    for (TControl* control : controls_)
        if (std::recursive_mutex* lock = control->PaintLock()) painters.emplace_back(*lock);
    return painters;
}

void TWinControl::DestroyChildHandles() {
    for (TControl* control : controls_)
        if (auto* child = dynamic_cast<TWinControl*>(control)) child->DestroyHandle();
}

bool TWinControl::HasWindow(TWindowHandle window) const { return HandleAllocated() && window_->Handle() == window; }

void TWinControl::CreateParams(TCreateParams& params) {
    params.WindowClass = ClassName();
    params.Caption = Caption();
    const TRect bounds = ScreenBounds();
    params.X = bounds.Left;
    params.Y = bounds.Top;
    params.Width = bounds.Width();
    params.Height = bounds.Height();
    if (Parent()) {
        params.Parent = Parent()->Handle();
        params.Style = ws::Child | ws::ClipSiblings;
        params.Id = id_;
    }
    if (TabStop) params.Style |= ws::TabStop;
    if (!Enabled()) params.Style |= ws::Disabled;
}

void TWinControl::SetCaption(const std::string& caption) {
    if (caption == Caption()) return;
    TControl::SetCaption(caption);
    if (HandleAllocated()) window_->SetText(caption);
}

void TWinControl::SetVisible(bool visible) {
    TControl::SetVisible(visible);
    if (!HandleAllocated()) {
        if (visible && !Parent()) HandleNeeded();
        return;
    }
    if (visible) ChildHandlesNeeded();
    window_->Show(visible ? TShowCommand::Show : TShowCommand::Hide);
}

void TWinControl::SetEnabled(bool enabled) {
    TControl::SetEnabled(enabled);
    if (HandleAllocated()) EnableWindowInput(window_->Handle(), enabled);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    TControl::SetBounds(left, top, width, height);
    if (!HandleAllocated()) return;
    const TRect bounds = ScreenBounds();
    window_->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
}

void TWinControl::Invalidate() {
    if (HandleAllocated()) window_->Invalidate();
}

void TWinControl::Changed() {
    if (HandleAllocated()) SetWindowFont(window_->Handle(), ScreenFont(Font()));
    Invalidate();
    for (TControl* control : controls_)
        if (control->ParentFont()) control->TakeParentFont(Font());
}

void TWinControl::SetFocus() {
    TWinControl& top = TopLevel();
    top.activeControl_ = this;
    if (HandleAllocated() && top.Visible() && CanFocus()) FocusWindow(window_->Handle());
}

bool TWinControl::CanFocus() const {
    for (const TWinControl* control = this; control; control = control->Parent())
        if (!control->Visible() || !control->Enabled()) return false;
    return true;
}

void TWinControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case wm::SetFocus:
            if (&TopLevel() != this) {
                TopLevel().activeControl_ = this;
                TopLevel().FocusMoved(*this);
            }
            break;
        case wm::Command:
        case wm::Notify:
        case wm::CtlColorStatic:
        case wm::CtlColorBtn:
            if (ChildMessage(message)) return;
            break;
        case wm::SetCursor:
            if (ShowScreenCursor()) {
                message.Result = 1;
                return;
            }
            break;
        case wm::MouseMove:
            if (OnMouseMove) MouseMove(MouseShift(message.WParam), LowWord(message.LParam), HighWord(message.LParam));
            break;
        case wm::Paint:
            DefaultHandler(message);
            PaintControls();
            return;
        default:
            break;
    }
    DefaultHandler(message);
}

// A child's report to its parent goes to the child control.
bool TWinControl::ChildMessage(TMessage& message) {
    if (message.Msg == wm::Notify) {
        const TNotification notification = ReadNotification(message.LParam);
        TWinControl* child = ChildWithWindow(notification.From);
        if (child) message.Result = child->Notified(notification);
        return child != nullptr;
    }
    TWinControl* child = ChildWithWindow(static_cast<TWindowHandle>(message.LParam));
    if (!child) return false;
    if (message.Msg == wm::Command)
        child->CommandNotified(HighWord(static_cast<std::intptr_t>(message.WParam)));
    else
        message.Result = ControlColors(message.WParam, child->Font().Color, child->Color());
    return true;
}

void TWinControl::PaintControls() {
    for (TControl* control : controls_)
        if (control->Visible() && !dynamic_cast<TWinControl*>(control)) control->Paint();
}

void TWinControl::PaintBackground(TDeviceContext& dc) {
    const TRect bounds = ScreenBounds();
    dc.FillRect({0, 0, bounds.Width(), bounds.Height()}, Color());
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (window_) window_->DefaultHandler(message);
}

// A control put on a window that exists gets its own window at once.
void TWinControl::InsertControl(TControl& control) {
    controls_.push_back(&control);
    if (auto* child = dynamic_cast<TWinControl*>(&control); child && HandleAllocated()) child->HandleNeeded();
}

void TWinControl::RemoveControl(TControl& control) { std::erase(controls_, &control); }

TWinControl* TWinControl::ChildWithWindow(TWindowHandle window) const {
    if (!window) return nullptr;
    for (TControl* control : controls_)
        if (auto* child = dynamic_cast<TWinControl*>(control); child && child->HasWindow(window)) return child;
    return nullptr;
}

TWinControl& TWinControl::TopLevel() const {
    const TWinControl* top = this;
    while (top->Parent()) top = top->Parent();
    return const_cast<TWinControl&>(*top);
}

std::vector<TWinControl*> TWinControl::Descendants() const {
    std::vector<TWinControl*> found;
    for (TControl* control : controls_) {
        auto* child = dynamic_cast<TWinControl*>(control);
        if (!child) continue;
        found.push_back(child);
        const auto below = child->Descendants();
        found.insert(found.end(), below.begin(), below.end());
    }
    return found;
}

}  // namespace skl
