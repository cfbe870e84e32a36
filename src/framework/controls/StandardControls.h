#pragma once
// Labels, buttons and check boxes.
#include "framework/controls/WinControl.h"

namespace skl {

class TLabel : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TLabel"; }
};

class TButton : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TButton"; }
    bool Default = false;
    bool Cancel = false;
};

// A button with a small picture, such as the standard OK and Cancel buttons.
class TBitBtn : public TButton {
public:
    using TButton::TButton;
    const char* ClassName() const override { return "TBitBtn"; }
};

class TCheckBox : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TCheckBox"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) { checked_ = checked; }
    // A user's click toggles the box, then raises OnClick.
    void Click() override {
        checked_ = !checked_;
        TWinControl::Click();
    }

private:
    bool checked_ = false;
};

}  // namespace skl
