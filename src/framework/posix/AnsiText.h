#pragma once
// The headless system's 8-bit code page: Windows-1251, the program's own.
#include <string>
#include <string_view>

namespace skl {

std::string AnsiToUtf8(std::string_view bytes);
// Characters the code page lacks become "?", as the system converts them.
std::string Utf8ToAnsi(std::string_view text);
// Appends a character of the Basic Multilingual Plane in UTF-8.
void AppendUtf8(std::string& out, char32_t c);

}  // namespace skl
