#pragma once
// The screen as the program found it.
namespace skl {

// Bits per pixel times colour planes of the screen's device context.
int ScreenBitsPerPixel();

}  // namespace skl
