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

}  // namespace skl
