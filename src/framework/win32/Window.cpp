#include "framework/system/Window.h"

#include <windows.h>

#include <algorithm>
#include <set>

#include "framework/core/Exceptions.h"
#include "framework/win32/CommonControls.h"
#include "framework/win32/WideText.h"
#include "framework/win32/WindowHandle.h"

namespace skl {

namespace {


int ShowCode(TShowCommand command) {
    switch (command) {
        case TShowCommand::Hide: return SW_HIDE;
        case TShowCommand::Show: return SW_SHOW;
        case TShowCommand::ShowNormal: return SW_SHOWNORMAL;
        case TShowCommand::Minimize: return SW_MINIMIZE;
        case TShowCommand::Restore: return SW_RESTORE;
    }
    return SW_SHOW;
}

}  // namespace

// Connects the system's window procedure to the TWindow objects.
struct TWindowBackend {
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_NCCREATE) Attach(hwnd, lParam);
        auto* window = reinterpret_cast<TWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (!window) return DefWindowProcW(hwnd, msg, wParam, lParam);
        TMessage message{msg, wParam, lParam, 0};
        window->Dispatch(message);
        if (msg == WM_NCDESTROY) Detach(*window);
        return message.Result;
    }

    static void Attach(HWND hwnd, LPARAM createStruct) {
        auto* window = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTW*>(createStruct)->lpCreateParams);
        window->handle_ = FromHwnd(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }

    static void Detach(TWindow& window) {
        SetWindowLongPtrW(ToHwnd(window.handle_), GWLP_USERDATA, 0);
        window.handle_ = 0;
    }

    static bool IsSystemClass(const std::wstring& name) {
        WNDCLASSEXW info{};
        info.cbSize = sizeof info;
        return GetClassInfoExW(nullptr, name.c_str(), &info) != 0;
    }

    // A window of a system class gets its messages here from now on.
    static void Subclass(TWindow& window, HWND hwnd) {
        window.handle_ = FromHwnd(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&window));
        window.systemProcedure_ = static_cast<std::uintptr_t>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));
    }

    static LRESULT Default(const TWindow& window, const TMessage& message) {
        HWND hwnd = ToHwnd(window.handle_);
        if (window.systemProcedure_)
            return CallWindowProcW(reinterpret_cast<WNDPROC>(window.systemProcedure_), hwnd, message.Msg,
                                   message.WParam, message.LParam);
        return DefWindowProcW(hwnd, message.Msg, message.WParam, message.LParam);
    }

    // True for a class of the system's own; any other class is registered
    // on first use.
    static bool PrepareClass(const std::wstring& name) {
        static std::set<std::wstring> registered;
        if (registered.contains(name)) return false;
        if (IsCommonControlClass(name)) PrepareCommonControls();
        if (IsSystemClass(name)) return true;
        HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = instance;
        windowClass.hIcon = LoadIconW(instance, L"MAINICON");
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = name.c_str();
        if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            throw EOutOfResources(SWindowCreateError);
        registered.insert(name);
        return false;
    }
};

void TWindow::Create(const TCreateParams& params) {
    const std::wstring windowClass = Wide(params.WindowClass);
    const bool systemClass = TWindowBackend::PrepareClass(windowClass);
    // A child window's menu handle is its number.
    HMENU id = (params.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(params.Id)) : nullptr;
    HWND hwnd = CreateWindowExW(params.ExStyle, windowClass.c_str(), Wide(params.Caption).c_str(), params.Style,
                                params.X, params.Y, params.Width, params.Height, ToHwnd(params.Parent), id,
                                GetModuleHandleW(nullptr), systemClass ? nullptr : this);
    if (!hwnd) throw EOutOfResources(SWindowCreateError);
    if (systemClass) TWindowBackend::Subclass(*this, hwnd);
}

TWindow::~TWindow() {
    if (!handle_) return;
    // The owner is going: its handler hears nothing of the destruction.
    HWND hwnd = ToHwnd(handle_);
    if (systemProcedure_) SetWindowLongPtrW(hwnd, GWLP_WNDPROC, static_cast<LONG_PTR>(systemProcedure_));
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    handle_ = 0;
    DestroyWindow(hwnd);
}

void TWindow::DefaultHandler(TMessage& message) { message.Result = TWindowBackend::Default(*this, message); }

void TWindow::SetText(const std::string& text) { SetWindowTextW(ToHwnd(handle_), Wide(text).c_str()); }

void TWindow::Show(TShowCommand command) { ShowWindow(ToHwnd(handle_), ShowCode(command)); }

void TWindow::SetBounds(int x, int y, int width, int height) {
    SetWindowPos(ToHwnd(handle_), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWindow::Invalidate() { InvalidateRect(ToHwnd(handle_), nullptr, TRUE); }

bool TWindow::SetTimer(unsigned id, unsigned milliseconds) {
    return ::SetTimer(ToHwnd(handle_), id, milliseconds, nullptr) != 0;
}

void TWindow::KillTimer(unsigned id) { ::KillTimer(ToHwnd(handle_), id); }

TWindowHandle FindTopLevelWindow(const std::string& windowClass) {
    return FromHwnd(FindWindowW(Wide(windowClass).c_str(), nullptr));
}

// Asked of the window itself, so that an edit in another program tells what it shows now.
std::string WindowText(TWindowHandle window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(ToHwnd(window), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(ToHwnd(window), WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(std::min<std::size_t>(copied, length));
    return Narrow(text);
}

bool WindowVisible(TWindowHandle window) { return IsWindowVisible(ToHwnd(window)) != 0; }

std::vector<TWindowHandle> ChildWindows(TWindowHandle parent) {
    std::vector<TWindowHandle> children;
    HWND first = parent ? GetWindow(ToHwnd(parent), GW_CHILD) : GetTopWindow(nullptr);
    for (HWND child = first; child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(FromHwnd(child));
    return children;
}

std::string WindowClassName(TWindowHandle window) {
    wchar_t name[256];
    const int length = GetClassNameW(ToHwnd(window), name, 256);
    return Narrow(std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0)));
}

TRect WindowScreenRect(TWindowHandle window) {
    RECT rect{};
    GetWindowRect(ToHwnd(window), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

TPoint ClientOrigin(TWindowHandle window) {
    POINT origin{0, 0};
    ClientToScreen(ToHwnd(window), &origin);
    return {origin.x, origin.y};
}

TPoint ClientSize(TWindowHandle window) {
    RECT rect{};
    GetClientRect(ToHwnd(window), &rect);
    return {rect.right, rect.bottom};
}

TPoint FramedSize(const TCreateParams& params, int width, int height) {
    RECT rect{0, 0, width, height};
    AdjustWindowRectEx(&rect, params.Style, FALSE, params.ExStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

bool PostWindowMessage(TWindowHandle window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    return PostMessageW(ToHwnd(window), msg, wParam, lParam) != 0;
}

std::intptr_t SendWindowMessage(TWindowHandle window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    return SendMessageW(ToHwnd(window), msg, wParam, lParam);
}

}  // namespace skl
