#include "framework/WinControl.h"

namespace skl {

TWinControl::TWinControl(TComponent* owner) : TComponent(owner) {}

TWinControl::~TWinControl() = default;

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
    if (visible_) window_->Show(TShowCommand::Show);
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.WindowClass = ClassName();
    params.Caption = caption_;
    params.X = left_;
    params.Y = top_;
    params.Width = width_;
    params.Height = height_;
}

void TWinControl::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    if (HandleAllocated()) window_->SetText(caption_);
}

void TWinControl::SetVisible(bool visible) {
    visible_ = visible;
    if (!HandleAllocated()) {
        if (visible) HandleNeeded();
        return;
    }
    window_->Show(visible ? TShowCommand::Show : TShowCommand::Hide);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (HandleAllocated()) window_->SetBounds(left, top, width, height);
}

void TWinControl::WndProc(TMessage& message) { DefaultHandler(message); }

void TWinControl::DefaultHandler(TMessage& message) {
    if (window_) window_->DefaultHandler(message);
}

}  // namespace skl
