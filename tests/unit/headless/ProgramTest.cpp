#include <gtest/gtest.h>

#include "../TempFolder.h"
#include "FreshDesktop.h"
#include "app/Program.h"
#include "framework/Window.h"
#include "framework/headless/ProgramFolder.h"

using namespace skl;

namespace {

// The program in a folder of its own, at its first start (no Images yet).
class ProgramEntry : public FreshDesktop {
protected:
    ProgramEntry() { SetProgramFolder(folder.Path()); }
    ~ProgramEntry() override { SetProgramFolder(""); }
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
    headless::TWindowState seen;
    headless::SetIdleHandler([&] {
        const TWindowHandle main = FindTopLevelWindow("TFormSkelvora1");
        ASSERT_NE(main, 0u);
        seen = *headless::WindowState(main);
        PostWindowMessage(main, wm::Close);
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_TRUE(seen.Visible);
    EXPECT_EQ(seen.Caption, "Skelvora - (1/0)");
    EXPECT_TRUE(headless::Windows().empty());
    EXPECT_TRUE(headless::MessageBoxesShown().empty());
}

TEST_F(ProgramEntry, ASecondStartEndsAtOnceAndLeavesTheFirstAlone) {
    TWindow first(RunningInstance(), nullptr);
    bool looped = false;
    headless::SetIdleHandler([&] { looped = true; });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_FALSE(looped);
    ASSERT_EQ(headless::Windows().size(), 1u);
    EXPECT_EQ(headless::Windows()[0].Handle, first.Handle());
    EXPECT_EQ(headless::Windows()[0].Caption, "Skelvora - (4/7)");
    EXPECT_TRUE(headless::MessageBoxesShown().empty());
    EXPECT_EQ(headless::PendingMessages(), 0u);
}
