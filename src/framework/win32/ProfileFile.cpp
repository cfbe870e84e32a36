#include "framework/system/ProfileFile.h"

#include <windows.h>

#include "framework/io/ProfileText.h"
#include "framework/win32/WideText.h"

namespace skl {

std::string ReadCodePageEntry(const std::string& path, const std::string& section, const std::string& key,
                              const std::string& fallback) {
    wchar_t buffer[MaxProfileValueLength + 1] = {};
    const DWORD length = GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(fallback).c_str(),
                                                  buffer, MaxProfileValueLength + 1, Wide(path).c_str());
    return Narrow(std::wstring(buffer, length));
}

bool WriteCodePageEntry(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
    return WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(value).c_str(),
                                      Wide(path).c_str()) != 0;
}

std::string CodePageText(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
    return Narrow(wide);
}

// The way there and back: the system puts "?" or a look-alike (a for ä) in
// place of a character it lacks.
bool FitsCodePage(std::string_view text) {
    const std::wstring wide = Wide(std::string(text));
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
    return CodePageText(bytes) == text;
}

}  // namespace skl
