#pragma once
// Text to number by the platform's rules: optional blanks, optional sign,
// then decimal digits or "$" and hexadecimal digits; nothing may follow.
#include <cstdint>
#include <optional>
#include <string_view>

namespace skl {

std::optional<std::int32_t> TryStrToInt(std::string_view text);

}  // namespace skl
