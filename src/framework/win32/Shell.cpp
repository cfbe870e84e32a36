#include "framework/system/Shell.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <wininet.h>  // before shlobj.h, which declares the Active Desktop only after it
#include <shlobj.h>

#include <utility>

#include "framework/win32/WideText.h"
#include "framework/win32/WindowHandle.h"

namespace skl {

namespace {

// The shell's Active Desktop class and interface. The interface is the
// system header's: a home-made one with internal linkage and no
// implementation in sight lets the compiler turn its calls into nothing.
constexpr CLSID ClsidActiveDesktop = {0x75048700, 0xEF1F, 0x11D0, {0x98, 0x88, 0x00, 0x60, 0x97, 0xDE, 0xAC, 0xF9}};
constexpr IID IidActiveDesktop = {0xF490EB00, 0x1240, 0x11D1, {0x98, 0x88, 0x00, 0x60, 0x97, 0xDE, 0xAC, 0xF9}};

std::string SystemMessage(HRESULT code) {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = text ? text : L"";
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
        message.pop_back();
    return Narrow(message);
}

}  // namespace

void ReloadDesktopWallpaper(const std::string& path) {
    std::wstring wide = Wide(path);
    SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, wide.data(), SPIF_SENDWININICHANGE);
}

void ShellOpen(TWindowHandle window, const std::string& link, TShowWindow show) {
    ShellExecuteW(ToHwnd(window), L"open", Wide(link).c_str(), nullptr, nullptr,
                  show == TShowWindow::Hide ? SW_HIDE : SW_SHOWMAXIMIZED);
}

void StartScreenSaver() { PostMessageW(GetDesktopWindow(), WM_SYSCOMMAND, SC_SCREENSAVE, 0); }

TActiveDesktop TActiveDesktop::Create() {
    IUnknown* unknown = nullptr;
    const HRESULT created = CoCreateInstance(ClsidActiveDesktop, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                             IID_IUnknown, reinterpret_cast<void**>(&unknown));
    if (FAILED(created)) throw EOleSysError(SystemMessage(created));
    void* desktop = nullptr;
    const HRESULT queried = unknown->QueryInterface(IidActiveDesktop, &desktop);
    unknown->Release();
    if (FAILED(queried)) throw EIntfCastError(SIntfNotSupported);
    return TActiveDesktop(desktop);
}

TActiveDesktop::TActiveDesktop(TActiveDesktop&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}

TActiveDesktop& TActiveDesktop::operator=(TActiveDesktop&& other) noexcept {
    std::swap(object_, other.object_);
    return *this;
}

TActiveDesktop::~TActiveDesktop() {
    if (object_) static_cast<IActiveDesktop*>(object_)->Release();
}

void TActiveDesktop::ApplyChanges(unsigned flags) { static_cast<IActiveDesktop*>(object_)->ApplyChanges(flags); }

}  // namespace skl
