#pragma once
// Profile (INI) files as the system reads and writes them. A file that
// starts with the UTF-8 byte-order mark holds UTF-8 text, which the portable
// part reads and writes itself; any other file holds text in the system's
// 8-bit code page, which each backend handles: the system's profile functions
// on Windows, our own reading of the same rules headless. A write of a text
// that the code page lacks turns the file into UTF-8 with its mark.
#include <string>
#include <string_view>

namespace skl {

// The value (at most 2047 characters), or `fallback` when the file, the
// section or the key is missing.
std::string ReadProfileEntry(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& fallback);

// Creates the file, section and key as needed; false when the system refuses.
bool WriteProfileEntry(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& value);

// The same for a file in the system's 8-bit code page (or none yet): the
// backend's part.
std::string ReadCodePageEntry(const std::string& path, const std::string& section, const std::string& key,
                              const std::string& fallback);
bool WriteCodePageEntry(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value);
// The UTF-8 text of bytes in the code page.
std::string CodePageText(std::string_view bytes);
// Whether the code page holds every character of the UTF-8 text.
bool FitsCodePage(std::string_view text);

}  // namespace skl
