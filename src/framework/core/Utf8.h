#pragma once
// UTF-8, the program's text inside.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace skl {

// A byte that goes on a character begun before it, not one that starts a character.
inline bool IsUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The character starting at `text[i]`, advancing `i`; U+FFFD for a broken one.
inline char32_t NextUtf8Character(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<std::uint8_t>(text[i++]);
    if (lead < 0x80) return lead;
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0) return 0xFFFD;
    char32_t c = lead & (0x3F >> extra);
    for (int n = 0; n < extra; ++n) {
        if (i >= text.size() || !IsUtf8Continuation(text[i])) return 0xFFFD;
        c = (c << 6) | (static_cast<std::uint8_t>(text[i++]) & 0x3F);
    }
    return c;
}

}  // namespace skl
