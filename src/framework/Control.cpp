#include "framework/Control.h"

#include <algorithm>

namespace skl {

void TControl::SetParent(TWinControl* parent) {
    if (parent_) std::erase(parent_->controls_, this);
    parent_ = parent;
    if (parent_) parent_->controls_.push_back(this);
}

void TControl::Click() {
    if (OnClick) OnClick(*this);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(*this, shift, x, y);
}

TWinControl& TWinControl::TopLevel() const {
    const TWinControl* top = this;
    while (top->Parent()) top = top->Parent();
    return const_cast<TWinControl&>(*top);
}

}  // namespace skl
