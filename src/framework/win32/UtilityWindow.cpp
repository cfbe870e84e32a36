#include "framework/UtilityWindow.h"

#include <windows.h>

#include "framework/Exceptions.h"

namespace skl {

namespace {

constexpr const wchar_t* ClassName = L"SkelvoraUtilityWindow";

LRESULT CALLBACK UtilityWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Messages sent while the window is being made get default processing.
    auto* owner = reinterpret_cast<TUtilityWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!owner) return DefWindowProcW(window, message, wParam, lParam);
    return owner->Dispatch(message, wParam, lParam);
}

void RegisterUtilityClass() {
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = UtilityWindowProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = ClassName;
        return RegisterClassW(&windowClass) != 0;
    }();
    if (!registered) throw EOutOfResources(SOutOfResources);
}

HWND Window(TWindowHandle handle) { return reinterpret_cast<HWND>(handle); }

}  // namespace

TUtilityWindow::TUtilityWindow(TProcedure procedure) : procedure_(std::move(procedure)) {
    RegisterUtilityClass();
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, ClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (!window) throw EOutOfResources(SOutOfResources);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    handle_ = reinterpret_cast<TWindowHandle>(window);
}

TUtilityWindow::~TUtilityWindow() {
    SetWindowLongPtrW(Window(handle_), GWLP_USERDATA, 0);
    DestroyWindow(Window(handle_));
}

std::intptr_t TUtilityWindow::DefaultProcedure(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    return DefWindowProcW(Window(handle_), message, wParam, lParam);
}

bool TUtilityWindow::Enabled() const { return IsWindowEnabled(Window(handle_)) != FALSE; }

void TUtilityWindow::BringToForeground() { SetForegroundWindow(Window(handle_)); }

}  // namespace skl
