#include "framework/system/Locale.h"

#include "framework/fake/DesktopState.h"
#include "framework/fake/SortKey.h"

namespace skl {

char32_t DecimalSeparator() {
    auto& desktop = fake::Desktop();
    std::lock_guard guard(desktop.Lock);
    return desktop.DecimalSeparator;
}

bool RightToLeftReadingSupported() { return false; }

int CompareLocaleText(std::string_view a, std::string_view b) {
    const auto order = fake::SortKey(a) <=> fake::SortKey(b);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

void fake::SetDecimalSeparator(char32_t separator) {
    auto& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    desktop.DecimalSeparator = separator;
}

}  // namespace skl
