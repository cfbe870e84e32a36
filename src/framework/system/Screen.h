#pragma once
// The screen as the program found it, and the application-wide cursor.
namespace skl {

// Bits per pixel times colour planes of the screen's device context.
int ScreenBitsPerPixel();

enum class TCursor { Default, HandPoint };
TCursor ScreenCursor();
void SetScreenCursor(TCursor cursor);

}  // namespace skl
