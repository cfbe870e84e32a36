#pragma once
// The headless shell notes what the program asked of it.
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
};

TShellLog& ShellLog();
void ResetShell();

}  // namespace skl::fake
