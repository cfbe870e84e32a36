#pragma once
// The shell's notification area (Shell_NotifyIcon with the first-version
// record). Text is UTF-8 here; the Windows backend sends the wide record.
#include <cstdint>
#include <string>

#include "framework/system/IconHandle.h"
#include "framework/core/Messages.h"

namespace skl {

enum class TNotifyIconMessage : std::uint32_t { nimAdd = 0, nimModify = 1, nimDelete = 2 };

inline constexpr std::uint32_t nifMessage = 1;
inline constexpr std::uint32_t nifIcon = 2;
inline constexpr std::uint32_t nifTip = 4;

// The tip buffer holds this many UTF-16 units and a terminating NUL.
inline constexpr int NotifyTipLength = 63;

struct TNotifyIconData {
    std::uint32_t cbSize = 0;
    TWindowHandle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    TIconHandle hIcon = 0;
    std::string szTip;
    friend bool operator==(const TNotifyIconData&, const TNotifyIconData&) = default;
};

// The size of the first-version record that the shell is given.
std::uint32_t NotifyIconDataV1Size();
// True when the shell did what was asked.
bool ShellNotifyIcon(TNotifyIconMessage message, const TNotifyIconData& data);

// The message ("TaskbarCreated") that the shell posts to every top-level
// window when it has made its taskbar anew, after a restart: the icons it
// held are gone.
unsigned TaskbarCreatedMessage();

}  // namespace skl
