#pragma once
// What the user's regional settings say.
#include <string_view>

namespace skl {

// The character between the whole and the fractional part of a number.
char32_t DecimalSeparator();
// Whether the system reads right-to-left scripts, so that texts can be set
// to read from the right.
bool RightToLeftReadingSupported();
// Compares two UTF-8 texts as the system's sorted lists order their entries:
// by the user's regional settings, letter case ignored. Below 0 when `a`
// comes first, 0 when the two are equal so.
int CompareLocaleText(std::string_view a, std::string_view b);

}  // namespace skl
