#include "framework/controls/Control.h"

#include "framework/controls/WinControl.h"
#include "framework/system/Screen.h"

namespace skl {

TControl::~TControl() { SetParent(nullptr); }

void TControl::SetParent(TWinControl* parent) {
    if (parent_) parent_->RemoveControl(*this);
    parent_ = parent;
    if (!parent_) return;
    parent_->InsertControl(*this);
    if (parentFont_) TakeParentFont(parent_->Font());
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

TRect TControl::ScreenBounds() const {
    const int left = ScreenPixels(left_), top = ScreenPixels(top_);
    return {left, top, left + ScreenPixels(width_), top + ScreenPixels(height_)};
}

void TControl::SetFont(const TFont& font) {
    parentFont_ = false;
    TakeParentFont(font);
}

void TControl::SetFontColor(TColor color) {
    TFont font = font_;
    font.Color = color;
    SetFont(font);
}

void TControl::TakeParentFont(const TFont& font) {
    if (font == font_) return;
    font_ = font;
    Changed();
}

TColor TControl::Color() const { return ParentColor && parent_ ? parent_->Color() : color_; }

void TControl::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TControl::Click() {
    if (OnClick) OnClick(*this);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(*this, shift, x, y);
}

void TControl::Invalidate() {
    if (parent_) parent_->Invalidate();
}

}  // namespace skl
