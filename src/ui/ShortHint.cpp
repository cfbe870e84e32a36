#include "ui/ShortHint.h"

#include <cstdint>

#include "framework/core/Utf8.h"

namespace skl {

namespace {

struct Character {
    std::size_t bytes;  // length of its UTF-8 sequence
    int units;          // UTF-16 units it takes
};

// A malformed sequence counts byte by byte: each becomes one replacement character.
Character NextCharacter(const std::string& text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0 || at + length > text.size()) return {1, 1};
    for (std::size_t i = 1; i < length; ++i)
        if (!IsUtf8Continuation(text[at + i])) return {1, 1};
    return {length, length == 4 ? 2 : 1};
}

}  // namespace

std::string ShortHint(const std::string& hint, int units) {
    const std::string text = hint.substr(0, hint.find('|'));
    std::size_t end = 0;
    for (int used = 0; end < text.size();) {
        const Character next = NextCharacter(text, end);
        if (used + next.units > units) break;
        used += next.units;
        end += next.bytes;
    }
    return text.substr(0, end);
}

}  // namespace skl
