#pragma once
// The headless shell notes what the program asked of it.
#include <functional>
#include <string>
#include <vector>

#include "framework/system/Shell.h"

namespace skl::fake {

struct TShellLog {
    std::vector<std::string> WallpaperReloads;     // the path of each reload
    std::vector<unsigned> ActiveDesktopApplies;    // the flags of each ApplyChanges
    int ActiveDesktopsAlive = 0;
    std::vector<std::string> OpenedLinks;          // "link|hide" or "link|maximized"
    int ScreenSaverStarts = 0;
    bool ActiveDesktopMissing = false;             // set by a test: the shell lacks the object
    // Set by a test: runs inside each reload, as the system delivers the
    // program's own messages while it tells the other windows.
    std::function<void()> WhileReloading;
};

TShellLog& ShellLog();
void ResetShell();

}  // namespace skl::fake
