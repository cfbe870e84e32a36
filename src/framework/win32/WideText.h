#pragma once
// UTF-8 inside the program, UTF-16 at the Windows API edge.
#include <string>

namespace skl {

std::wstring Wide(const std::string& text);
std::string Narrow(const std::wstring& text);

}  // namespace skl
