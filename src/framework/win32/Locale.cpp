#include "framework/system/Locale.h"

#include <windows.h>

#include "framework/win32/WideText.h"

namespace skl {

char32_t DecimalSeparator() {
    wchar_t separator[8] = L".";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return separator[0];
}

bool RightToLeftReadingSupported() { return GetSystemMetrics(SM_MIDEASTENABLED) != 0; }

int CompareLocaleText(std::string_view a, std::string_view b) {
    const std::wstring wideA = Wide(std::string(a)), wideB = Wide(std::string(b));
    // CSTR_LESS_THAN, CSTR_EQUAL and CSTR_GREATER_THAN are 1, 2 and 3.
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wideA.data(), static_cast<int>(wideA.size()),
                          wideB.data(), static_cast<int>(wideB.size())) -
           CSTR_EQUAL;
}

}  // namespace skl
