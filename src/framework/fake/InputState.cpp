#include "framework/fake/InputState.h"

namespace skl::fake {

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

}  // namespace skl::fake

namespace skl {

TPoint CursorPos() { return fake::cursor; }
bool KeyIsDown(TModifierKey key) { return fake::keys[static_cast<int>(key)]; }

}  // namespace skl
