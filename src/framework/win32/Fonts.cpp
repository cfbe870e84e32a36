#include "framework/system/Fonts.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <tuple>

#include "framework/win32/GdiScope.h"
#include "framework/win32/WideText.h"
#include "framework/win32/WindowHandle.h"

namespace skl {

namespace {

// "MS Sans Serif" is a bitmap font: blurred when scaled for a high-DPI
// screen and, outside a Western code page, without the Ukrainian letters.
// Its TrueType twin has the same design and every script.
std::wstring Face(const std::string& face) {
    return Wide(face == "MS Sans Serif" ? std::string("Microsoft Sans Serif") : face);
}

HFONT Make(const std::string& face, int height, std::uint8_t style) {
    return CreateFontW(height, 0, 0, 0, (style & 1) ? FW_BOLD : FW_NORMAL, (style & 2) != 0, (style & 4) != 0, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, Face(face).c_str());
}

}  // namespace

TFontHandle FontHandle(const std::string& face, int height, std::uint8_t style) {
    static std::mutex mutex;
    static std::map<std::tuple<std::string, int, std::uint8_t>, HFONT> fonts;
    std::lock_guard hold(mutex);
    HFONT& font = fonts[{face, height, style}];
    if (!font) font = Make(face, height, style);
    return TFontHandle(reinterpret_cast<std::uintptr_t>(font));
}

void SetWindowFont(TWindowHandle window, TFontHandle font) {
    SendMessageW(ToHwnd(window), WM_SETFONT, static_cast<WPARAM>(font.Get()), TRUE);
}

TPoint TextExtent(TFontHandle font, const std::string& text, int wrapWidth) {
    const TScopedWindowDC screen;
    HDC dc = screen.Get();
    const TScopedSelection selected(dc, reinterpret_cast<HFONT>(font.Get()));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT rect{0, 0, wrapWidth, 0};
    const std::wstring wide = Wide(text);
    if (!wide.empty())
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect,
                  DT_CALCRECT | DT_EXPANDTABS | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    return {rect.right, std::max<int>(rect.bottom, metrics.tmHeight)};
}

}  // namespace skl
