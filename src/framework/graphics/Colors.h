#pragma once
// Colour values as the system shows them. A system colour has the top bit set
// and the system's colour index in its low byte; every other value carries its
// red, green and blue in the low three bytes.
#include "framework/core/Types.h"
#include "framework/system/SystemColors.h"

namespace skl {

inline constexpr TColor clSystemColor = 0x80000000;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clFuchsia = 0xFF00FF;

// A system colour resolved to its current value; every other value as it is.
inline TColor ColorToRGB(TColor color) {
    return (color & clSystemColor) != 0 ? SystemColor(static_cast<int>(color & 0xFF)) : color;
}

// The red, green and blue a colour value paints with: the flag byte of a
// palette-relative value is dropped.
inline TColor PaintedRGB(TColor color) { return ColorToRGB(color) & 0xFFFFFF; }

}  // namespace skl
