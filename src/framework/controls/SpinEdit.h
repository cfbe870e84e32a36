#pragma once
// A numeric edit with up and down buttons. Setting the value shows it
// clamped to the range; reading it gives the typed integer unchanged, or the
// minimum when the text is not an integer.
#include <string>

#include "framework/controls/WinControl.h"

namespace skl {

class TSpinEdit : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TSpinEdit"; }

    int MinValue = 0;
    int MaxValue = 100;
    int Increment = 1;

    int Value() const;
    void SetValue(int value);
    const std::string& Text() const { return text_; }
    // Typed or pasted text, taken as it is.
    void SetText(const std::string& text) { text_ = text; }

    // Typed characters: digits, "+", "-" and the decimal separator.
    static bool IsValidChar(char c);
    // The arrow keys and the two buttons.
    void StepUp() { SetValue(Value() + Increment); }
    void StepDown() { SetValue(Value() - Increment); }
    // Focus leaving the edit brings the value into the range.
    void FocusLeft() { SetValue(Value()); }

private:
    int Clamped(int value) const;

    std::string text_ = "0";
};

}  // namespace skl
