#include "framework/headless/InputState.h"

namespace skl::headless {

namespace {

TPoint cursor;
bool keys[3] = {};

}  // namespace

void SetCursorPos(TPoint point) { cursor = point; }
void SetKeyDown(TModifierKey key, bool down) { keys[static_cast<int>(key)] = down; }

void ResetInput() {
    cursor = {};
    for (bool& key : keys) key = false;
}

}  // namespace skl::headless

namespace skl {

TPoint CursorPos() { return headless::cursor; }
bool KeyIsDown(TModifierKey key) { return headless::keys[static_cast<int>(key)]; }

}  // namespace skl
