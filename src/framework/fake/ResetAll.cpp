#include "framework/fake/ResetAll.h"

#include "framework/fake/Clock.h"
#include "framework/fake/Desktop.h"
#include "framework/fake/FileFaults.h"
#include "framework/fake/Foreground.h"
#include "framework/fake/InputState.h"
#include "framework/fake/Journal.h"
#include "framework/fake/MenuPopup.h"
#include "framework/fake/ProgramFolder.h"
#include "framework/fake/RegistryKey.h"
#include "framework/fake/Screen.h"
#include "framework/fake/Shell.h"
#include "framework/fake/ShellNotify.h"
#include "framework/fake/Sleep.h"
#include "framework/fake/ThreadStart.h"

namespace skl::fake {

void ResetAll() {
    ResetDesktop();
    ResetForeground();
    ResetInput();
    ClearJournal();
    SetMenuChooser(nullptr);
    ClearMenuPopups();
    ClearRegistry();
    ClearFileFaults();
    ResetShell();
    ClearShellCalls();
    ResetNotificationArea();
    RefuseShellAdds(false);
    HoldSleeps(false);
    ClearSleepRequests();
    RefuseThreadCreation(false);
    ClearPriorities();
    SetUniversalTimeOfDay({});
    SetScreenBitsPerPixel(32);
    SetMonitors();
    SetScreenCursor(TCursor::Default);
    SetProgramFolder("");
}

}  // namespace skl::fake
