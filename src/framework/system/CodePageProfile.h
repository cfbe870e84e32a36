#pragma once
// Profile (INI) files in the system's 8-bit code page, as the system reads
// and writes them: its profile functions on Windows, our own reading of the
// same rules headless.
#include <string>
#include <string_view>

namespace skl {

// The value (at most 2047 characters), or `fallback` when the file, the
// section or the key is missing.
std::string ReadCodePageEntry(const std::string& path, const std::string& section, const std::string& key,
                              const std::string& fallback);
// Creates the file, section and key as needed; false when the system refuses.
bool WriteCodePageEntry(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value);
// The UTF-8 text of bytes in the code page.
std::string CodePageText(std::string_view bytes);
// Whether the code page holds every character of the UTF-8 text.
bool FitsCodePage(std::string_view text);

}  // namespace skl
