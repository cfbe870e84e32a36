#include "framework/graphics/Font.h"

#include "framework/system/Screen.h"

namespace skl {

TFontHandle ScreenFont(const TFont& font) { return FontHandle(font.Name, ScreenPixels(font.Height), font.Style); }

}  // namespace skl
