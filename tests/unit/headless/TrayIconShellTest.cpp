// What the tray icon tells the shell: the record, and when it adds,
// modifies and removes the icon.
#include "TrayFixture.h"

namespace skl::test {

namespace {

using TrayIconShell = TrayFixture;

constexpr std::uint32_t WideRecordV1Size = sizeof(void*) == 8 ? 168 : 152;

}  // namespace

TEST_F(TrayIconShell, ConstructionMakesAHiddenWindowAndSendsNothing) {
    TTrayIcon& tray = NewTray();
    const auto window = fake::WindowState(tray.WindowHandle());
    ASSERT_TRUE(window.has_value());
    EXPECT_EQ(window->Style, ws::Popup);
    EXPECT_EQ(window->ExStyle, wsex::ToolWindow);
    EXPECT_EQ(window->Parent, 0u);
    EXPECT_EQ(window->Width, 0);
    EXPECT_EQ(window->Height, 0);
    EXPECT_FALSE(window->Visible);
    EXPECT_TRUE(fake::ShellCalls().empty());
}

TEST_F(TrayIconShell, LoadingAsTheProgramDoesShowsTheIconWithItsRecord) {
    TTrayIcon& tray = LoadedTray("Skelvora - (1/3)");
    // Hint: a remove of the record still all zero, nothing to show; icon: remove, add;
    // loading finished: remove, add.
    EXPECT_EQ(ShellMessages(), (std::vector{nimDelete, nimDelete, nimAdd, nimDelete, nimAdd}));
    const auto calls = fake::ShellCalls();
    EXPECT_EQ(calls[0].Data, TNotifyIconData{});
    EXPECT_FALSE(calls[0].Succeeded);

    const TNotifyIconData& record = calls.back().Data;
    EXPECT_EQ(record.cbSize, WideRecordV1Size);
    EXPECT_EQ(record.hWnd, tray.WindowHandle());
    EXPECT_EQ(record.uID, 0u);
    EXPECT_EQ(record.uFlags, 7u);
    EXPECT_EQ(record.uCallbackMessage, 45140u);
    EXPECT_EQ(record.hIcon, icon.Handle());
    EXPECT_EQ(record.szTip, "Skelvora - (1/3)");
    EXPECT_TRUE(calls.back().Succeeded);
    EXPECT_TRUE(tray.IconAdded());
    ASSERT_EQ(fake::NotificationArea().size(), 1u);
    EXPECT_EQ(fake::NotificationArea()[0], record);
}

TEST_F(TrayIconShell, AHintChangeSendsOneModifyAndTheSameHintNothing) {
    TTrayIcon& tray = LoadedTray();
    fake::ClearShellCalls();
    tray.SetHint("x\\c.jpg (3/3)");
    ASSERT_EQ(ShellMessages(), (std::vector{nimModify}));
    EXPECT_EQ(fake::ShellCalls()[0].Data.szTip, "x\\c.jpg (3/3)");
    tray.SetHint("x\\c.jpg (3/3)");
    EXPECT_EQ(fake::ShellCalls().size(), 1u);
    tray.SetHint("X\\C.JPG (3/3)");  // the comparison minds the case
    EXPECT_EQ(fake::ShellCalls().size(), 2u);
}

TEST_F(TrayIconShell, TheTipIsTheHintBeforeItsFirstBarCutTo63Characters) {
    TTrayIcon& tray = LoadedTray();
    tray.SetHint("short|the long hint|more");
    EXPECT_EQ(fake::NotificationArea()[0].szTip, "short");
    EXPECT_EQ(tray.Hint(), "short|the long hint|more");

    const std::string name = "Holidays\\A very long picture name from the summer at the sea.jpg";
    tray.SetHint(name + " (12/345)");  // the counter is lost with the tail
    EXPECT_EQ(fake::NotificationArea()[0].szTip, name.substr(0, 63));

    std::string cyrillic;
    for (int i = 0; i < 70; ++i) cyrillic += "ї";
    tray.SetHint(cyrillic);
    EXPECT_EQ(fake::NotificationArea()[0].szTip, cyrillic.substr(0, 63 * 2));

    tray.SetHint("Змінювач обоїв на робочому столі");
    EXPECT_EQ(fake::NotificationArea()[0].szTip, "Змінювач обоїв на робочому столі");
}

TEST_F(TrayIconShell, AnEmptyTipIsSentAgainWithAModifyAfterTheAdd) {
    TTrayIcon& tray = NewTray();
    tray.SetIcon(icon);
    fake::ClearShellCalls();
    tray.Loaded();
    EXPECT_EQ(ShellMessages(), (std::vector{nimDelete, nimAdd, nimModify}));
    const auto calls = fake::ShellCalls();
    EXPECT_EQ(calls[1].Data, calls[2].Data);
    EXPECT_EQ(calls[2].Data.szTip, "");

    tray.SetHint("|only a long hint");
    EXPECT_EQ(fake::ShellCalls().size(), 4u);  // a modify: the tip is still empty
}

TEST_F(TrayIconShell, AnEmptyIconRemovesTheIconAndANewPictureBringsItBack) {
    TTrayIcon& tray = LoadedTray();
    fake::ClearShellCalls();
    tray.SetIcon(TIcon());
    EXPECT_EQ(ShellMessages(), (std::vector{nimDelete}));
    EXPECT_TRUE(fake::NotificationArea().empty());
    EXPECT_FALSE(tray.IconAdded());

    tray.SetHint("no picture, no icon");
    EXPECT_EQ(ShellMessages(), (std::vector{nimDelete, nimDelete}));

    const TIcon other = MakeIcon(7);
    tray.SetIcon(other);
    EXPECT_EQ(ShellMessages(), (std::vector{nimDelete, nimDelete, nimDelete, nimAdd}));
    ASSERT_EQ(fake::NotificationArea().size(), 1u);
    EXPECT_EQ(fake::NotificationArea()[0].hIcon, other.Handle());
    EXPECT_EQ(fake::NotificationArea()[0].szTip, "no picture, no icon");
}

TEST_F(TrayIconShell, ActiveHidesAndShowsTheIcon) {
    TTrayIcon& tray = LoadedTray();
    fake::ClearShellCalls();
    tray.SetActive(false);
    EXPECT_EQ(ShellMessages(), (std::vector{nimDelete}));
    EXPECT_TRUE(fake::NotificationArea().empty());
    tray.SetActive(false);
    tray.SetHint("changed while hidden");
    EXPECT_EQ(ShellMessages(), (std::vector{nimDelete}));
    tray.SetActive(true);
    EXPECT_EQ(ShellMessages(), (std::vector{nimDelete, nimDelete, nimAdd}));
    EXPECT_EQ(fake::NotificationArea()[0].szTip, "changed while hidden");
}

TEST_F(TrayIconShell, AnInactiveTrayShowsNothingWhenLoaded) {
    TTrayIcon& tray = NewTray();
    tray.SetActive(false);
    fake::ClearShellCalls();
    tray.SetHint("hint");
    tray.SetIcon(icon);
    tray.Loaded();
    EXPECT_TRUE(fake::ShellCalls().empty());
    EXPECT_FALSE(tray.IconAdded());
}

TEST_F(TrayIconShell, ARefusedAddIsRetriedByTheNextDifferentHint) {
    fake::RefuseShellAdds(true);
    TTrayIcon& tray = LoadedTray("Skelvora - (1/3)");
    EXPECT_FALSE(tray.IconAdded());
    EXPECT_TRUE(fake::NotificationArea().empty());
    EXPECT_TRUE(Reported().empty());

    fake::RefuseShellAdds(false);
    fake::ClearShellCalls();
    tray.SetHint("Skelvora - (1/3)");
    EXPECT_TRUE(fake::ShellCalls().empty());
    tray.SetHint("a.jpg (1/3)");
    EXPECT_EQ(ShellMessages(), (std::vector{nimDelete, nimAdd}));
    EXPECT_TRUE(tray.IconAdded());
    EXPECT_EQ(fake::NotificationArea()[0].szTip, "a.jpg (1/3)");
}

TEST_F(TrayIconShell, AfterAShellRestartChangesFailSilentlyUntilActiveIsSwitched) {
    TTrayIcon& tray = LoadedTray();
    fake::ResetNotificationArea();
    fake::ClearShellCalls();
    tray.SetHint("b.jpg (2/3)");
    ASSERT_EQ(ShellMessages(), (std::vector{nimModify}));
    EXPECT_FALSE(fake::ShellCalls()[0].Succeeded);
    EXPECT_TRUE(tray.IconAdded());
    EXPECT_TRUE(Reported().empty());
    tray.SetActive(false);
    tray.SetActive(true);
    EXPECT_EQ(fake::NotificationArea().size(), 1u);
}

TEST_F(TrayIconShell, ANewTaskbarGetsTheIconBackWithItsPictureAndHint) {
    TTrayIcon& tray = LoadedTray("a.jpg (1/3)");
    const TNotifyIconData shown = fake::NotificationArea()[0];
    tray.SetEnabled(false);  // as while a change runs: the icon's events wait, its place does not
    fake::RestartTaskbar();
    EXPECT_TRUE(fake::NotificationArea().empty());
    fake::ClearShellCalls();
    application->ProcessMessages();
    EXPECT_EQ(ShellMessages(), (std::vector{nimDelete, nimAdd}));
    EXPECT_EQ(fake::NotificationArea(), std::vector<TNotifyIconData>{shown});
    EXPECT_TRUE(tray.IconAdded());
    EXPECT_TRUE(Reported().empty());
}

TEST_F(TrayIconShell, ANewTaskbarGetsNoIconWhileInactive) {
    TTrayIcon& tray = LoadedTray();
    tray.SetActive(false);
    fake::RestartTaskbar();
    fake::ClearShellCalls();
    application->ProcessMessages();
    EXPECT_TRUE(fake::ShellCalls().empty());
    EXPECT_TRUE(fake::NotificationArea().empty());
}

TEST_F(TrayIconShell, TwoTraysHaveTheirOwnWindowsAndBothUseIdentifierZero) {
    TTrayIcon& first = LoadedTray("first");
    TTrayIcon& second = LoadedTray("second");
    EXPECT_NE(first.WindowHandle(), second.WindowHandle());
    const auto area = fake::NotificationArea();
    ASSERT_EQ(area.size(), 2u);
    EXPECT_EQ(area[0].hWnd, first.WindowHandle());
    EXPECT_EQ(area[1].hWnd, second.WindowHandle());
    EXPECT_EQ(area[0].uID, 0u);
    EXPECT_EQ(area[1].uID, 0u);
    EXPECT_EQ(area[0].szTip, "first");
    EXPECT_EQ(area[1].szTip, "second");
}

TEST_F(TrayIconShell, DestructionRemovesTheIconAndTheWindow) {
    TTrayIcon& tray = LoadedTray();
    const TWindowHandle window = tray.WindowHandle();
    fake::ClearShellCalls();
    form.reset();
    EXPECT_EQ(ShellMessages(), (std::vector{nimDelete}));
    EXPECT_TRUE(fake::ShellCalls()[0].Succeeded);
    EXPECT_TRUE(fake::NotificationArea().empty());
    EXPECT_FALSE(fake::WindowState(window).has_value());
}

}  // namespace skl::test
