#include "framework/system/Folders.h"

#include <windows.h>

#include "framework/win32/WideText.h"

namespace skl {

namespace {

DWORD Attributes(const std::string& path) { return GetFileAttributesW(Wide(path).c_str()); }

}  // namespace

std::string GetCurrentDir() {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(length, L'\0');
    folder.resize(GetCurrentDirectoryW(length, folder.data()));
    return Narrow(folder);
}

bool SetCurrentDir(const std::string& folder) { return SetCurrentDirectoryW(Wide(folder).c_str()) != 0; }

bool CreateDir(const std::string& folder) { return CreateDirectoryW(Wide(folder).c_str(), nullptr) != 0; }

bool DirectoryExists(const std::string& folder) {
    const DWORD attributes = Attributes(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace skl
