#include "framework/UtilityWindow.h"

#include "framework/ApplicationServices.h"

namespace skl {

std::intptr_t TUtilityWindow::Dispatch(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) noexcept {
    try {
        return procedure_(message, wParam, lParam);
    } catch (...) {
        ApplicationHandleException(std::current_exception());
        return 0;
    }
}

}  // namespace skl
