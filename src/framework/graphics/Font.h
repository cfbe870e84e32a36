#pragma once
// A font as controls describe it: face, height in pixels at 96 pixels per
// inch (negative: the height of the characters alone), colour and style.
#include <cstdint>
#include <string>

#include "framework/graphics/Colors.h"
#include "framework/system/Fonts.h"

namespace skl {

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4 };

struct TFont {
    std::string Name = "MS Sans Serif";
    int Height = -11;
    TColor Color = clWindowText;
    std::uint8_t Style = 0;
    friend bool operator==(const TFont&, const TFont&) = default;
};

// The system's font for this one at the screen's resolution.
TFontHandle ScreenFont(const TFont& font);

}  // namespace skl
