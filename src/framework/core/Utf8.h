#pragma once
// UTF-8, the program's text inside.

namespace skl {

// A byte that goes on a character begun before it, not one that starts a character.
inline bool IsUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace skl
