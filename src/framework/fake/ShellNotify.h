#pragma once
// The headless shell: it records every notification call with its record and
// keeps the icons it holds as a real shell does (an add of an icon it holds,
// or a modify or remove of one it does not, fails). A test can make it refuse
// adds, as a shell without a taskbar does.
#include <cstddef>
#include <vector>

#include "framework/system/ShellNotify.h"

namespace skl::fake {

struct TShellCall {
    TNotifyIconMessage Message;
    TNotifyIconData Data;
    bool Succeeded;
};

std::vector<TShellCall> ShellCalls();
void ClearShellCalls();
// Waits until at least `count` calls are recorded; false when that does not
// happen within a few seconds.
bool WaitForShellCalls(std::size_t count);

// The icons in the notification area now, in the order they were added.
std::vector<TNotifyIconData> NotificationArea();

void RefuseShellAdds(bool refuse);
// Forgets every icon, as a restarted shell does.
void ResetNotificationArea();
// Forgets every icon and posts TaskbarCreatedMessage to every top-level
// window, as a restarted shell does once its taskbar is there again.
void RestartTaskbar();

}  // namespace skl::fake
