#include <gtest/gtest.h>

#include "../TempFolder.h"
#include "FreshFakes.h"
#include "framework/fake/Desktop.h"
#include "app/Program.h"
#include "framework/system/Window.h"
#include "framework/fake/ProgramFolder.h"

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
        ASSERT_NE(main, 0u);
        seen = *fake::WindowState(main);
        PostWindowMessage(main, wm::Close);
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_TRUE(seen.Visible);
    EXPECT_EQ(seen.Caption, "Skelvora - (1/0)");
    EXPECT_TRUE(fake::Windows().empty());
    EXPECT_TRUE(fake::MessageBoxesShown().empty());
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
