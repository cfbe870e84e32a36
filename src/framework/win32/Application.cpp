#include "framework/application/Application.h"

#include <windows.h>
#include <objbase.h>

#include "framework/win32/WideText.h"

namespace skl {

namespace {

// The keyboard interface of a dialog (Tab, Enter, Esc, Alt with a letter) in
// the program's visible windows that hold controls.
bool DialogKeys(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    HWND top = GetAncestor(message.hwnd, GA_ROOT);
    if (!top || !IsWindowVisible(top) || !(GetWindowLongW(top, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) return false;
    return IsDialogMessageW(top, &message) != FALSE;
}

}  // namespace

// The common controls are loaded with the first window of theirs (CommonControls.h).
void TApplication::Initialize() {
    // Laid out for the screen's resolution, not stretched by the system.
    SetProcessDPIAware();
    if (!comInitialized_) comInitialized_ = SUCCEEDED(CoInitialize(nullptr));
}

void TApplication::Finalize() noexcept {
    if (comInitialized_) CoUninitialize();
    comInitialized_ = false;
}

bool TApplication::ProcessMessage() {
    MSG message;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return false;
    if (message.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    if (DialogKeys(message)) return true;
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}

bool TApplication::Idle() {
    WaitMessage();
    return true;
}

void TApplication::PostQuit() { PostQuitMessage(0); }

void TApplication::ShowMessageBox(const std::string& text, const std::string& caption, TMessageBoxIcon icon) {
    UINT style = MB_OK;
    if (icon == TMessageBoxIcon::Error) style |= MB_ICONERROR;
    MessageBoxW(GetActiveWindow(), Wide(text).c_str(), Wide(caption).c_str(), style);
}

}  // namespace skl
