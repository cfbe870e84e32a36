#include "framework/controls/Control.h"

#include "framework/controls/WinControl.h"

namespace skl {

TControl::~TControl() { SetParent(nullptr); }

void TControl::SetParent(TWinControl* parent) {
    if (parent_) parent_->RemoveControl(*this);
    parent_ = parent;
    if (parent_) parent_->InsertControl(*this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (autoSize_ && !CanAutoSize(width, height)) {
        width = width_;
        height = height_;
    }
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TControl::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_) return;
    autoSize_ = autoSize;
    AdjustSize();
}

void TControl::AdjustSize() {
    if (autoSize_) SetBounds(left_, top_, width_, height_);
}

bool TControl::CanAutoSize(int&, int&) { return true; }

TColor TControl::Color() const { return ParentColor && parent_ ? parent_->Color() : color_; }

void TControl::Click() {
    if (OnClick) OnClick(*this);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(*this, shift, x, y);
}

}  // namespace skl
