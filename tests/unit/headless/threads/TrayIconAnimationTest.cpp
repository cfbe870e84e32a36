// The tray icon's animation, moved by a threaded timer. The timer's pauses
// are held, so each frame comes only when the test lets one pause pass.
#include "../TrayFixture.h"

namespace skl::test {

namespace {

class TrayIconAnimation : public TrayFixture {
protected:
    void SetUp() override {
        TrayFixture::SetUp();
        fake::HoldSleeps(true);
        for (const std::uint8_t colour : {std::uint8_t{2}, std::uint8_t{3}, std::uint8_t{4}}) {
            TIcon frame = MakeIcon(colour);
            frames.Add(&frame);
        }
    }

    // Index of the list entry whose picture a call carried; -1 for the own icon.
    int FrameOf(const TTrayIcon& tray, const fake::TShellCall& call) {
        for (int i = 0; i < tray.Icons().Count(); ++i)
            if (tray.Icons().Items(i) && tray.Icons().Items(i)->Handle() == call.Data.hIcon) return i;
        return call.Data.hIcon == icon.Handle() ? -1 : -2;
    }

    // Lets one pause pass and waits for the frame it brings.
    fake::TShellCall NextFrame() {
        const std::size_t calls = fake::ShellCalls().size();
        EXPECT_TRUE(fake::WaitForWaitingSleeps(1));
        fake::ReleaseSleeps(1);
        EXPECT_TRUE(fake::WaitForShellCalls(calls + 1));
        return fake::ShellCalls().back();
    }

    TIconList frames;
};

}  // namespace

TEST_F(TrayIconAnimation, WithNoIconsItStaysOffAndMakesNoThread) {
    TTrayIcon& tray = LoadedTray();
    fake::ClearShellCalls();
    tray.SetAnimated(true);
    EXPECT_FALSE(tray.Animated());
    EXPECT_EQ(tray.AnimationTimer(), nullptr);
    EXPECT_EQ(fake::RunningThreads(), 0);
    EXPECT_TRUE(fake::ShellCalls().empty());
}

TEST_F(TrayIconAnimation, ThePictureCyclesThroughTheListFromItsFirstEntry) {
    TTrayIcon& tray = LoadedTray();
    tray.SetInterval(150);
    tray.SetIcons(frames);
    fake::ClearShellCalls();
    tray.SetAnimated(true);
    EXPECT_TRUE(tray.Animated());
    EXPECT_EQ(fake::RunningThreads(), 1);
    ASSERT_EQ(ShellMessages(), (std::vector{nimModify}));
    EXPECT_EQ(FrameOf(tray, fake::ShellCalls()[0]), 0);

    std::vector<int> shown;
    for (int i = 0; i < 7; ++i) {
        const auto call = NextFrame();
        EXPECT_EQ(call.Message, nimModify);
        EXPECT_EQ(call.Data.szTip, "Skelvora - (1/3)");
        shown.push_back(FrameOf(tray, call));
    }
    EXPECT_EQ(shown, (std::vector{1, 2, 0, 1, 2, 0, 1}));
    for (std::uint32_t pause : fake::SleepRequests()) EXPECT_EQ(pause, 150u);

    fake::ClearShellCalls();
    tray.SetAnimated(false);
    EXPECT_FALSE(tray.AnimationTimer()->Enabled());
    ASSERT_EQ(ShellMessages(), (std::vector{nimModify}));
    EXPECT_EQ(FrameOf(tray, fake::ShellCalls()[0]), -1);  // the own icon again
    fake::HoldSleeps(false);
    EXPECT_TRUE(fake::WaitForThreadsToEnd());
    EXPECT_EQ(fake::ShellCalls().size(), 1u);
}

// No pause at all would be a loop that keeps a core busy.
TEST_F(TrayIconAnimation, AnIntervalOfZeroIsTheShortestPause) {
    TTrayIcon& tray = LoadedTray();
    tray.SetInterval(0);
    tray.SetIcons(frames);
    tray.SetAnimated(true);
    EXPECT_EQ(FrameOf(tray, NextFrame()), 1);
    EXPECT_EQ(fake::SleepRequests().front(), 1u);
    tray.SetInterval(40);
    NextFrame();
    ASSERT_TRUE(fake::WaitForWaitingSleeps(1));  // the sleep after that frame
    EXPECT_EQ(fake::SleepRequests().back(), 40u);
}

TEST_F(TrayIconAnimation, NoThreadTicksWhileTheIconIsNotShown) {
    TTrayIcon& tray = LoadedTray();
    tray.SetActive(false);
    tray.SetIcons(frames);
    tray.SetAnimated(true);
    EXPECT_TRUE(tray.Animated());
    EXPECT_EQ(fake::RunningThreads(), 0);

    fake::ClearShellCalls();
    tray.SetActive(true);
    ASSERT_EQ(ShellMessages(), (std::vector{nimDelete, nimAdd}));
    EXPECT_EQ(FrameOf(tray, fake::ShellCalls()[1]), 0);
    EXPECT_EQ(FrameOf(tray, NextFrame()), 1);

    tray.SetActive(false);
    EXPECT_FALSE(tray.AnimationTimer()->Enabled());
    const auto calls = fake::ShellCalls().size();
    fake::HoldSleeps(false);
    EXPECT_TRUE(fake::WaitForThreadsToEnd());
    EXPECT_EQ(fake::ShellCalls().size(), calls);
}

TEST_F(TrayIconAnimation, AnEmptyEntryRemovesTheIconAndHoldsTheAnimation) {
    frames.Replace(1, nullptr);
    TTrayIcon& tray = LoadedTray();
    tray.SetIcons(frames);
    tray.SetAnimated(true);
    const auto removal = NextFrame();
    EXPECT_EQ(removal.Message, nimDelete);
    EXPECT_TRUE(fake::NotificationArea().empty());
    EXPECT_FALSE(tray.IconAdded());
    EXPECT_TRUE(tray.Animated());
    EXPECT_FALSE(tray.AnimationTimer()->Enabled());
    const auto calls = fake::ShellCalls().size();
    fake::HoldSleeps(false);
    EXPECT_TRUE(fake::WaitForThreadsToEnd());
    EXPECT_EQ(fake::ShellCalls().size(), calls);
}

TEST_F(TrayIconAnimation, EmptyingTheListStopsTheAnimation) {
    TTrayIcon& tray = LoadedTray();
    tray.SetIcons(frames);
    tray.SetAnimated(true);
    NextFrame();
    fake::ClearShellCalls();
    tray.SetIcons(TIconList());
    EXPECT_FALSE(tray.Animated());
    EXPECT_FALSE(tray.AnimationTimer()->Enabled());
    EXPECT_EQ(FrameOf(tray, fake::ShellCalls().back()), -1);
    fake::HoldSleeps(false);
    EXPECT_TRUE(fake::WaitForThreadsToEnd());
}

TEST_F(TrayIconAnimation, AThreadThatCannotBeMadeLeavesTheAnimationOff) {
    TTrayIcon& tray = LoadedTray();
    tray.SetIcons(frames);
    fake::RefuseThreadCreation(true);
    fake::ClearShellCalls();
    try {
        tray.SetAnimated(true);
        FAIL() << "no exception";
    } catch (const EThread& error) {
        EXPECT_EQ(error.Message(), "Thread creation error: Resource temporarily unavailable");
    }
    EXPECT_FALSE(tray.Animated());
    EXPECT_EQ(fake::RunningThreads(), 0);
    EXPECT_TRUE(fake::ShellCalls().empty());
    fake::RefuseThreadCreation(false);
    tray.SetAnimated(true);
    EXPECT_TRUE(tray.Animated());
    EXPECT_EQ(FrameOf(tray, NextFrame()), 1);
}

TEST_F(TrayIconAnimation, DestructionStopsTheThreadWithoutWaitingAndNoFrameFollows) {
    TTrayIcon& tray = LoadedTray();
    tray.SetIcons(frames);
    tray.SetAnimated(true);
    NextFrame();
    ASSERT_TRUE(fake::WaitForWaitingSleeps(1));  // the thread is in its pause
    fake::ClearShellCalls();
    form.reset();
    EXPECT_EQ(fake::RunningThreads(), 1);  // not waited for
    // Stopping the animation puts the own icon back, then the icon is removed.
    ASSERT_EQ(ShellMessages(), (std::vector{nimModify, nimDelete}));
    EXPECT_EQ(fake::ShellCalls()[0].Data.hIcon, icon.Handle());
    EXPECT_TRUE(fake::NotificationArea().empty());
    const auto callsAtDestruction = fake::ShellCalls().size();

    fake::HoldSleeps(false);
    EXPECT_TRUE(fake::WaitForThreadsToEnd());  // it ended and freed itself
    EXPECT_EQ(fake::ShellCalls().size(), callsAtDestruction);
}

TEST_F(TrayIconAnimation, NoFrameComesOnceTheApplicationIsTerminating) {
    TTrayIcon& tray = LoadedTray();
    tray.SetIcons(frames);
    tray.SetAnimated(true);
    ASSERT_TRUE(fake::WaitForWaitingSleeps(1));
    application->Terminate();
    application->ProcessMessages();
    ASSERT_TRUE(application->Terminated());
    const auto calls = fake::ShellCalls().size();
    fake::ReleaseSleeps(1);
    // The thread no longer pauses; stopping the animation ends it.
    tray.SetAnimated(false);
    EXPECT_TRUE(fake::WaitForThreadsToEnd());
    // Only the own icon's modify of the stop follows.
    EXPECT_EQ(fake::ShellCalls().size(), calls + 1);
    EXPECT_EQ(FrameOf(tray, fake::ShellCalls().back()), -1);
}

}  // namespace skl::test
