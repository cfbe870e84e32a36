#include "framework/system/ProfileFile.h"

#include <windows.h>

#include "framework/io/FileBytes.h"
#include "framework/io/ProfileText.h"
#include "framework/win32/WideText.h"

namespace skl {

// The system's profile functions read a file as UTF-16 (with its mark) or in
// the 8-bit code page; a UTF-8 file, marked as such, is read and written here
// by the same rules.
namespace {

std::optional<std::string> Utf8FileText(const std::string& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes || !bytes->starts_with(Utf8Mark)) return std::nullopt;
    return bytes->substr(Utf8Mark.size());
}

}  // namespace

std::string ReadProfileEntry(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& fallback) {
    if (const auto text = Utf8FileText(path))
        return FindProfileValue(*text, section, key).value_or(ProfileDefault(fallback));
    wchar_t buffer[MaxProfileValueLength + 1] = {};
    const DWORD length = GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(fallback).c_str(),
                                                  buffer, MaxProfileValueLength + 1, Wide(path).c_str());
    return Narrow(std::wstring(buffer, length));
}

bool WriteProfileEntry(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& value) {
    if (const auto text = Utf8FileText(path))
        return ReplaceFileBytes(path, std::string(Utf8Mark) + WithProfileValue(*text, section, key, value));
    return WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(value).c_str(),
                                      Wide(path).c_str()) != 0;
}

}  // namespace skl
