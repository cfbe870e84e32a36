#include "framework/controls/SpinEdit.h"

#include "framework/core/IntegerText.h"

namespace skl {

int TSpinEdit::Value() const { return StrToIntDef(text_, MinValue); }

void TSpinEdit::SetValue(int value) { text_ = std::to_string(Clamped(value)); }

int TSpinEdit::Clamped(int value) const {
    if (MaxValue == MinValue) return value;
    if (value < MinValue) return MinValue;
    return value > MaxValue ? MaxValue : value;
}

bool TSpinEdit::IsValidChar(char c) { return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'; }

}  // namespace skl
