// The headless system shows the classic Windows colour scheme.
#include <array>

#include "framework/system/SystemColors.h"

namespace skl {

namespace {

constexpr TColor RGB(int red, int green, int blue) {
    return static_cast<TColor>(red | green << 8 | blue << 16);
}

constexpr std::array<TColor, 31> ClassicScheme = {
    RGB(212, 208, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
    RGB(181, 181, 181), RGB(0, 0, 128),     RGB(166, 202, 240), RGB(192, 192, 192), RGB(49, 106, 197),
    RGB(236, 233, 216),
};

}  // namespace

TColor SystemColor(int index) {
    return index >= 0 && index < static_cast<int>(ClassicScheme.size()) ? ClassicScheme[index] : clBlack;
}

}  // namespace skl
