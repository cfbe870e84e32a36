/* The peer of the footprint benchmark: the least a Win32 program with an
   icon in the notification area needs (a hidden window, the icon, a message
   loop), in plain C against the system's own API.
       minimal-tray.exe ICON-FILE */
#include <windows.h>
#include <shellapi.h>

#define TRAY_MESSAGE (WM_APP + 1)

static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int show) {
    WNDCLASSW windowClass = {0};
    NOTIFYICONDATAW icon = {0};
    MSG message;
    HWND window;
    (void)previous;
    (void)show;

    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"MinimalTray";
    RegisterClassW(&windowClass);
    window = CreateWindowExW(0, L"MinimalTray", L"MinimalTray", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, NULL, NULL, instance, NULL);

    icon.cbSize = NOTIFYICONDATAW_V1_SIZE;
    icon.hWnd = window;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = TRAY_MESSAGE;
    icon.hIcon = (HICON)LoadImageW(NULL, commandLine, IMAGE_ICON, 16, 16, LR_LOADFROMFILE);
    lstrcpyW(icon.szTip, L"MinimalTray");
    Shell_NotifyIconW(NIM_ADD, &icon);

    while (GetMessageW(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    Shell_NotifyIconW(NIM_DELETE, &icon);
    return 0;
}
