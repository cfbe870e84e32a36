#include "framework/system/MessageQueue.h"

#include <windows.h>
#include <objbase.h>

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
bool BeginUserInterfaceThread() {
    // Laid out for the screen's resolution, not stretched by the system.
    SetProcessDPIAware();
    return SUCCEEDED(CoInitialize(nullptr));
}

void EndUserInterfaceThread() { CoUninitialize(); }

TDispatch DispatchWaitingMessage() {
    MSG message;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return TDispatch::NoneWaiting;
    if (message.message == WM_QUIT) return TDispatch::Quit;
    if (DialogKeys(message)) return TDispatch::Dispatched;
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return TDispatch::Dispatched;
}

bool WaitForMessage() {
    WaitMessage();
    return true;
}

void PostQuitMessage() { ::PostQuitMessage(0); }

}  // namespace skl
