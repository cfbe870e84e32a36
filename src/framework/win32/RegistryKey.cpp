#include "framework/system/RegistryKey.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "framework/win32/WideText.h"

namespace skl {

namespace {

HKEY AsKey(RegistryKey key) { return reinterpret_cast<HKEY>(key.Get()); }

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// String data may lack its terminating NUL or hold several.
std::string StringData(const std::vector<BYTE>& bytes) {
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::copy(bytes.begin(), bytes.begin() + text.size() * sizeof(wchar_t), reinterpret_cast<BYTE*>(text.data()));
    return Narrow(text.substr(0, text.find(L'\0')));
}

}  // namespace

RegistryKey OpenRegistryKey(const std::string& path, bool canCreate) {
    HKEY key = nullptr;
    const std::wstring widePath = Wide(path);
    const LONG result = canCreate ? RegCreateKeyExW(HKEY_CURRENT_USER, widePath.c_str(), 0, nullptr, 0,
                                                    KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
                                  : RegOpenKeyExW(HKEY_CURRENT_USER, widePath.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    return result == ERROR_SUCCESS ? RegistryKey(reinterpret_cast<std::intptr_t>(key)) : NoRegistryKey;
}

void CloseRegistryKey(RegistryKey key) { RegCloseKey(AsKey(key)); }

std::optional<TRegistryValue> QueryRegistryValue(RegistryKey key, const std::string& name) {
    const std::wstring wideName = Wide(name);
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExW(AsKey(key), wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<BYTE> bytes(size);
    if (size > 0 &&
        RegQueryValueExW(AsKey(key), wideName.c_str(), nullptr, &type, bytes.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    bytes.resize(size);
    const auto dataType = static_cast<TRegDataType>(type);
    if (IsStringType(type)) return TRegistryValue{dataType, StringData(bytes)};
    return TRegistryValue{dataType, std::string(bytes.begin(), bytes.end())};
}

bool SetRegistryString(RegistryKey key, const std::string& name, const std::string& value) {
    const std::wstring text = Wide(value);
    const auto size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(AsKey(key), Wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          size) == ERROR_SUCCESS;
}

bool DeleteRegistryValue(RegistryKey key, const std::string& name) {
    return RegDeleteValueW(AsKey(key), Wide(name).c_str()) == ERROR_SUCCESS;
}

}  // namespace skl
