#pragma once
// What the user's regional settings say.
namespace skl {

// The character between the whole and the fractional part of a number.
char32_t DecimalSeparator();
// Whether the system reads right-to-left scripts, so that texts can be set
// to read from the right.
bool RightToLeftReadingSupported();

}  // namespace skl
