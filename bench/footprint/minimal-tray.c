/* The peer of the footprint benchmark: the least a Win32 program with an
   icon in the notification area needs (a hidden window, the icon, a message
   loop), in plain C against the system's own API. With /window it first
   shows a window of common and standard controls for a moment and runs a
   thread to its end, then destroys the controls and unloads their library:
   what it holds afterwards above the plain run is what the system keeps of
   a window and a thread that are gone.
       minimal-tray.exe [/window] ICON-FILE */
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#define TRAY_MESSAGE (WM_APP + 1)

static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

static DWORD WINAPI Worker(void *unused) {
    (void)unused;
    return 0;
}

static void Pump(DWORD milliseconds) {
    MSG message;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

static void ShowWindowForAMoment(HWND window) {
    static const wchar_t *classes[] = {WC_TABCONTROLW, UPDOWN_CLASSW, L"Button", L"Edit", L"ComboBox", L"Static"};
    HMODULE library = LoadLibraryW(L"comctl32.dll");
    BOOL(WINAPI * initialize)(const INITCOMMONCONTROLSEX *) =
        (BOOL(WINAPI *)(const INITCOMMONCONTROLSEX *))(void (*)(void))GetProcAddress(library, "InitCommonControlsEx");
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"MS Sans Serif");
    HWND children[sizeof classes / sizeof *classes];
    HANDLE thread;
    size_t i;
    initialize(&controls);
    SetWindowPos(window, NULL, 100, 100, 400, 350, SWP_NOZORDER);
    for (i = 0; i < sizeof classes / sizeof *classes; ++i) {
        children[i] = CreateWindowExW(0, classes[i], L"Skelvora", WS_CHILD | WS_VISIBLE, 10, 10 + 40 * (int)i, 200,
                                      30, window, NULL, NULL, NULL);
        SendMessageW(children[i], WM_SETFONT, (WPARAM)font, TRUE);
    }
    ShowWindow(window, SW_SHOW);
    thread = CreateThread(NULL, 0, Worker, NULL, 0, NULL);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    Pump(1000);
    ShowWindow(window, SW_HIDE);
    for (i = 0; i < sizeof classes / sizeof *classes; ++i) DestroyWindow(children[i]);
    DeleteObject(font);
    FreeLibrary(library);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int show) {
    WNDCLASSW windowClass = {0};
    NOTIFYICONDATAW icon = {0};
    MSG message;
    HWND window;
    BOOL moment = wcsncmp(commandLine, L"/window ", 8) == 0;
    (void)previous;
    (void)show;
    if (moment) commandLine += 8;

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
    if (moment) ShowWindowForAMoment(window);

    while (GetMessageW(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    Shell_NotifyIconW(NIM_DELETE, &icon);
    return 0;
}
