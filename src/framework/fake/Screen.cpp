#include "framework/fake/Screen.h"

namespace skl {

namespace {
int screenBits = 32;
}

int ScreenBitsPerPixel() { return screenBits; }
void fake::SetScreenBitsPerPixel(int bits) { screenBits = bits; }

}  // namespace skl

namespace skl {

namespace {
TCursor cursor = TCursor::Default;
}

TCursor ScreenCursor() { return cursor; }
void SetScreenCursor(TCursor shape) { cursor = shape; }

}  // namespace skl
