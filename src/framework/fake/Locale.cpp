#include "framework/system/Locale.h"

#include "framework/fake/DesktopState.h"

namespace skl {

char32_t DecimalSeparator() {
    auto& desktop = fake::Desktop();
    std::lock_guard guard(desktop.Lock);
    return desktop.DecimalSeparator;
}

bool RightToLeftReadingSupported() { return false; }

void fake::SetDecimalSeparator(char32_t separator) {
    auto& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    desktop.DecimalSeparator = separator;
}

}  // namespace skl
