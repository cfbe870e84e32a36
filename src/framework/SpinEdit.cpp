#include "framework/SpinEdit.h"

#include "framework/Convert.h"

namespace skl {

int TSpinEdit::Value() const { return TryStrToInt(text_).value_or(MinValue); }

void TSpinEdit::SetValue(int value) { text_ = std::to_string(Clamped(value)); }

int TSpinEdit::Clamped(int value) const {
    if (MaxValue == MinValue) return value;
    if (value < MinValue) return MinValue;
    return value > MaxValue ? MaxValue : value;
}

bool TSpinEdit::IsValidChar(char c) { return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'; }

}  // namespace skl
