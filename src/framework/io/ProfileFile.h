#pragma once
// Profile (INI) files. A file that starts with the UTF-8 byte-order mark
// holds UTF-8 text, which is read and written here; any other file holds
// text in the system's 8-bit code page, which the system handles. A write of
// a text that the code page lacks turns the file into UTF-8 with its mark.
#include <string>

namespace skl {

// The value (at most 2047 characters), or `fallback` when the file, the
// section or the key is missing.
std::string ReadProfileEntry(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& fallback);

// Creates the file, section and key as needed; false when the system refuses.
bool WriteProfileEntry(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& value);

}  // namespace skl
