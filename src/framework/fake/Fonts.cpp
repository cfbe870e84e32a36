#include "framework/system/Fonts.h"

#include <algorithm>

#include "framework/core/Utf8.h"
#include "framework/fake/DesktopState.h"

namespace skl {

using fake::Desktop;

TFontHandle FontHandle(const std::string& face, int height, std::uint8_t style) {
    auto& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    const fake::TFontMade font{face, height, style};
    auto found = std::find(desktop.Fonts.begin(), desktop.Fonts.end(), font);
    if (found == desktop.Fonts.end()) found = desktop.Fonts.insert(desktop.Fonts.end(), font);
    return TFontHandle(static_cast<std::uintptr_t>(found - desktop.Fonts.begin()) + 1);
}

void SetWindowFont(TWindowHandle window, TFontHandle font) {
    fake::Update(window, [&](fake::TWindowState& state) { state.Font = font; });
}

// Each character is half as wide as the font is high; a line is two rows
// higher than the characters; an "&" before a character takes no room.
TPoint TextExtent(TFontHandle font, const std::string& text, int wrapWidth) {
    const int height = std::abs(fake::FontMade(font).Height);
    int characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsUtf8Continuation(text[i])) continue;
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] != '&') continue;
        ++characters;
    }
    const int width = characters * (height / 2);
    const int lines = wrapWidth > 0 && width > wrapWidth ? (width + wrapWidth - 1) / wrapWidth : 1;
    return {lines > 1 ? wrapWidth : width, lines * (height + 2)};
}

fake::TFontMade fake::FontMade(TFontHandle font) {
    auto& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    const std::uintptr_t number = font.Get();
    return number > 0 && number <= desktop.Fonts.size() ? desktop.Fonts[number - 1] : TFontMade{};
}

}  // namespace skl
