#include "framework/core/IntegerText.h"

namespace skl {

namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

}  // namespace

std::optional<std::int32_t> TextToInteger(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    const bool hexadecimal = text.starts_with('$');
    if (hexadecimal) text.remove_prefix(1);
    const int base = hexadecimal ? 16 : 10;
    const std::uint64_t limit = hexadecimal ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    if (text.empty()) return std::nullopt;
    std::uint64_t magnitude = 0;
    for (const char c : text) {
        const int digit = DigitValue(c);
        if (digit >= base) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return std::nullopt;
    }
    const auto pattern = static_cast<std::uint32_t>(negative ? 0 - magnitude : magnitude);
    return static_cast<std::int32_t>(pattern);
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) {
    return TextToInteger(text).value_or(fallback);
}

}  // namespace skl
