#include "../Backend.h"

#include <windows.h>

#include "framework/system/Sleep.h"

namespace conformance {

void ResetBackend() {
    const std::string root = RegistryRoot;
    RegDeleteTreeW(HKEY_CURRENT_USER, std::wstring(root.begin(), root.end()).c_str());
}

void LetTimePass(unsigned milliseconds) { skl::SleepEx(milliseconds); }

}  // namespace conformance
