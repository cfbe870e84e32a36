#pragma once
// The text of a profile (INI) file, read and edited the way the system's
// profile functions do it: section and key names match without regard to
// case, only the first section of a name counts and in it the first key of a
// name, blanks around names and values are dropped, and a value enclosed in
// a pair of equal quotes loses them. Texts are UTF-8; the backends decode a
// file's bytes before and encode them after.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace skl {

// Values are read into a buffer of 2048 characters, so at most 2047 remain.
inline constexpr std::size_t MaxProfileValueLength = 2047;

inline constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

// The value of `key` in `section`, cut to MaxProfileValueLength characters;
// nothing when the section or the key is missing.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section, std::string_view key);

// The caller's default as the profile functions hand it back: trailing
// blanks stripped, cut to MaxProfileValueLength characters.
std::string ProfileDefault(std::string_view value);

// `text` with `key` in `section` set to `value`. An existing key line is
// replaced (keeping the key's spelling), a missing key is added at the end of its section, a missing
// section at the end of the text; every other line stays as it was.
std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);

// The first `count` characters of UTF-8 `text`.
std::string_view FirstCharacters(std::string_view text, std::size_t count);

}  // namespace skl
