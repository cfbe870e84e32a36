#pragma once
// Integers written as text, by the platform's rules: an optional sign, then
// decimal digits or "$" and hexadecimal digits. Nothing else may stand in
// the text, and the number must fit 32 bits (hexadecimal ones as a 32-bit
// pattern, so "$FFFFFFFF" is -1).
#include <cstdint>
#include <optional>
#include <string_view>

namespace skl {

std::optional<std::int32_t> TextToInteger(std::string_view text);
std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);

}  // namespace skl
