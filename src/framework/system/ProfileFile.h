#pragma once
// Profile (INI) files as the system reads and writes them: the system's
// profile functions on Windows, our own reading of the same rules headless.
// A file that starts with the UTF-8 byte-order mark holds UTF-8 text; any
// other file holds text in the system's 8-bit code page.
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
