#include "framework/system/ShellNotify.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "framework/win32/WideText.h"
#include "framework/win32/WindowHandle.h"

namespace skl {

static_assert(NOTIFYICONDATAW_V1_SIZE == (sizeof(void*) == 8 ? 168 : 152));
static_assert(sizeof(NOTIFYICONDATAW{}.szTip) / sizeof(wchar_t) > NotifyTipLength);

std::uint32_t NotifyIconDataV1Size() { return NOTIFYICONDATAW_V1_SIZE; }

bool ShellNotifyIcon(TNotifyIconMessage message, const TNotifyIconData& data) {
    NOTIFYICONDATAW record{};
    record.cbSize = data.cbSize;
    record.hWnd = ToHwnd(data.hWnd);
    record.uID = data.uID;
    record.uFlags = data.uFlags;
    record.uCallbackMessage = data.uCallbackMessage;
    record.hIcon = reinterpret_cast<HICON>(data.hIcon);
    const std::wstring tip = Wide(data.szTip);
    std::copy_n(tip.begin(), std::min<std::size_t>(tip.size(), NotifyTipLength), record.szTip);
    return Shell_NotifyIconW(static_cast<DWORD>(message), &record) != FALSE;
}

unsigned TaskbarCreatedMessage() {
    static const unsigned message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

}  // namespace skl
