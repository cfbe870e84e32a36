#include "framework/system/Locale.h"

#include <windows.h>

namespace skl {

char32_t DecimalSeparator() {
    wchar_t separator[8] = L".";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return separator[0];
}

bool RightToLeftReadingSupported() { return GetSystemMetrics(SM_MIDEASTENABLED) != 0; }

}  // namespace skl
