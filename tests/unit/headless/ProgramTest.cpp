#include <gtest/gtest.h>

#include <filesystem>

#include "../Samples.h"
#include "../TempFolder.h"
#include "app/Program.h"
#include "framework/fake/Desktop.h"
#include "framework/fake/ProgramFolder.h"
#include "framework/fake/Shell.h"
#include "framework/fake/ShellNotify.h"
#include "framework/system/Window.h"
#include "FreshFakes.h"

using namespace skl;

namespace {

// The program in a folder of its own, at its first start (no Images yet).
class ProgramEntry : public FreshFakes {
protected:
    ProgramEntry() { skl::fake::SetProgramFolder(folder.Path()); }
    ~ProgramEntry() override { skl::fake::SetProgramFolder(""); }
    TempFolder folder;
};

TCreateParams RunningInstance() {
    TCreateParams params;
    params.WindowClass = "TFormSkelvora1";
    params.Caption = "Skelvora - (4/7)";
    return params;
}

}  // namespace

TEST_F(ProgramEntry, StartsWithTheMainWindowShownAndEndsWhenItIsClosed) {
    fake::TWindowState seen;
    fake::SetIdleHandler([&] {
        const TWindowHandle main = FindTopLevelWindow("TFormSkelvora1");
        ASSERT_TRUE(main);
        seen = *fake::WindowState(main);
        PostWindowMessage(main, wm::Close);
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_TRUE(seen.Visible);
    EXPECT_EQ(seen.Caption, "Skelvora - (1/0)");
    EXPECT_TRUE(fake::Windows().empty());
    EXPECT_TRUE(fake::MessageBoxesShown().empty());
}

TEST_F(ProgramEntry, TheActiveDesktopObjectOfTheLastChangeIsReleasedWhenTheProgramEnds) {
    folder.Write("Skelvora.ini", "[Options]\nActiveDesktop=1\n");
    std::filesystem::create_directory(folder.Path("Images"));
    std::filesystem::copy_file(SamplePath("colour-3x2.jpg"), folder.Path("Images/a.jpg"));
    int aliveWhileRunning = -1;
    fake::SetIdleHandler([&] {
        if (aliveWhileRunning >= 0) return;
        const TNotifyIconData icon = fake::NotificationArea().at(0);
        for (unsigned mouse : {wm::LButtonDown, wm::LButtonUp})
            SendWindowMessage(icon.hWnd, icon.uCallbackMessage, icon.uID, mouse);
        aliveWhileRunning = fake::ShellLog().ActiveDesktopsAlive;
        PostWindowMessage(FindTopLevelWindow("TFormSkelvora1"), wm::Close);
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(aliveWhileRunning, 1);
    EXPECT_FALSE(fake::ShellLog().ActiveDesktopApplies.empty());
    EXPECT_EQ(fake::ShellLog().ActiveDesktopsAlive, 0);
}

TEST_F(ProgramEntry, ASecondStartEndsAtOnceAndLeavesTheFirstAlone) {
    TWindow first(RunningInstance(), nullptr);
    bool looped = false;
    fake::SetIdleHandler([&] { looped = true; });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_FALSE(looped);
    ASSERT_EQ(fake::Windows().size(), 1u);
    EXPECT_EQ(fake::Windows()[0].Handle, first.Handle());
    EXPECT_EQ(fake::Windows()[0].Caption, "Skelvora - (4/7)");
    EXPECT_TRUE(fake::MessageBoxesShown().empty());
    EXPECT_EQ(fake::PendingMessages(), 0u);
}
