#pragma once
// The screen as the program found it, and the application-wide cursor.
#include <vector>

#include "framework/core/Types.h"

namespace skl {

// Bits per pixel times colour planes of the screen's device context.
int ScreenBitsPerPixel();
// Pixels per logical inch: 96 on a screen at 100 %, 144 at 150 %.
int ScreenDpi();
// The whole desktop, over every monitor, in screen coordinates.
TRect DesktopRect();
// Each monitor's rectangle in screen coordinates; at least one.
std::vector<TRect> MonitorRects();

// A length laid out for 96 pixels per inch, in pixels of this screen,
// rounded half away from zero.
inline int ScreenPixels(int designPixels) {
    const long long scaled = static_cast<long long>(designPixels) * ScreenDpi();
    return static_cast<int>(scaled >= 0 ? (scaled + 48) / 96 : (scaled - 48) / 96);
}

// A length in pixels of this screen as laid out for 96 pixels per inch,
// rounded up, so that it scales back to no less.
inline int DesignPixels(int screenPixels) {
    const int dpi = ScreenDpi();
    return (screenPixels * 96 + dpi - 1) / dpi;
}

enum class TCursor { Default, HandPoint };
TCursor ScreenCursor();
// Shows the cursor at once and keeps it over every window of the program
// until the default is set again.
void SetScreenCursor(TCursor cursor);
// A window's answer when the system asks it for its cursor: true when the
// application-wide cursor is not the default and has been shown.
bool ShowScreenCursor();

}  // namespace skl
