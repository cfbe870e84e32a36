#pragma once
// The system's fonts. A font is asked for by face, pixel height (negative:
// the height of the characters alone) and style bits (bold 1, italic 2,
// underline 4).
#include <cstdint>
#include <string>

#include "framework/core/Handle.h"
#include "framework/core/Messages.h"
#include "framework/core/Types.h"

namespace skl {

using TFontHandle = THandle<struct TFontKind>;

// Made on first use and kept for the program's life: a program has few fonts.
TFontHandle FontHandle(const std::string& face, int height, std::uint8_t style);
void SetWindowFont(TWindowHandle window, TFontHandle font);
// The size of the text drawn in the font: one line unless `wrapWidth` is
// given, at which lines break between words. An "&" that underlines the next
// character takes no room.
TPoint TextExtent(TFontHandle font, const std::string& text, int wrapWidth = 0);

}  // namespace skl
