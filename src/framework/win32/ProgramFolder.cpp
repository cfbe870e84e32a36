#include "framework/system/ProgramFolder.h"

#include <windows.h>

#include "framework/win32/WideText.h"

namespace skl {

std::string ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return Narrow(path.substr(0, path.rfind(L'\\') + 1));
}

}  // namespace skl
