#include "framework/controls/WinControl.h"

#include <algorithm>

#include "framework/controls/GraphicControl.h"
#include "framework/system/WindowPaint.h"

namespace skl {

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

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
    TCreateParams params;
    CreateParams(params);
    window_ = std::make_unique<TWindow>([this](TMessage& message) { WndProc(message); });
    window_->Create(params);
    if (Visible()) window_->Show(TShowCommand::Show);
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.WindowClass = ClassName();
    params.Caption = Caption();
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
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
    window_->Show(visible ? TShowCommand::Show : TShowCommand::Hide);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    TControl::SetBounds(left, top, width, height);
    if (HandleAllocated()) window_->SetBounds(left, top, width, height);
}

void TWinControl::WndProc(TMessage& message) {
    const bool hasGraphicControls = std::any_of(controls_.begin(), controls_.end(), [](TControl* control) {
        return dynamic_cast<TGraphicControl*>(control) != nullptr;
    });
    if (message.Msg == wm::Paint && hasGraphicControls && HandleAllocated()) {
        auto dc = BeginWindowPaint(window_->Handle());
        PaintControls(*dc);
        return;
    }
    DefaultHandler(message);
}

void TWinControl::PaintControls(TDeviceContext& dc) {
    for (TControl* control : controls_) {
        auto* graphic = dynamic_cast<TGraphicControl*>(control);
        if (!graphic || !graphic->Visible()) continue;
        const TRect shown = Intersection(Offset(graphic->BoundsRect(), dc.Origin()), dc.DeviceClip());
        if (shown.Width() > 0 && shown.Height() > 0) graphic->PaintOn(dc);
    }
}

void TWinControl::PaintBackground(TDeviceContext& dc) { dc.FillRect({0, 0, Width(), Height()}, Color()); }

void TWinControl::DefaultHandler(TMessage& message) {
    if (window_) window_->DefaultHandler(message);
}

void TWinControl::RemoveControl(TControl& control) { std::erase(controls_, &control); }

TWinControl& TWinControl::TopLevel() const {
    const TWinControl* top = this;
    while (top->Parent()) top = top->Parent();
    return const_cast<TWinControl&>(*top);
}

}  // namespace skl
