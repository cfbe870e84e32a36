#include "framework/system/Sound.h"

#include "framework/fake/DesktopState.h"

namespace skl {

void Beep() {
    auto& desktop = fake::Desktop();
    std::lock_guard guard(desktop.Lock);
    ++desktop.Beeps;
}

int fake::Beeps() {
    auto& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    return desktop.Beeps;
}

}  // namespace skl
