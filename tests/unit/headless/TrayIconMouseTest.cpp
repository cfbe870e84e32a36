// The shell's mouse notifications for the icon, turned into events.
#include "TrayFixture.h"

namespace skl::test {

namespace {

class TrayIconMouse : public TrayFixture {
protected:
    void SetUp() override {
        TrayFixture::SetUp();
        fake::SetCursorPos({1000, 740});
    }
};

using Events = std::vector<std::string>;

}  // namespace

TEST_F(TrayIconMouse, ALeftClickRaisesDownClickUp) {
    TTrayIcon& tray = LoadedTray();
    EXPECT_EQ(Send(tray, wm::LButtonDown), 0);
    EXPECT_EQ(Send(tray, wm::LButtonUp), 0);
    EXPECT_EQ(events, (Events{"MouseDown left [Left] 1000,740", "Click left [Left] 1000,740",
                              "MouseUp left [Left] 1000,740"}));
}

TEST_F(TrayIconMouse, ALeftDoubleClickRaisesOneClickThenTheDoubleClick) {
    TTrayIcon& tray = LoadedTray();
    for (unsigned message : {wm::LButtonDown, wm::LButtonUp, wm::LButtonDblClk, wm::LButtonUp}) Send(tray, message);
    EXPECT_EQ(events, (Events{"MouseDown left [Left] 1000,740", "Click left [Left] 1000,740",
                              "MouseUp left [Left] 1000,740", "DblClick", "MouseDown left [Double] 1000,740",
                              "MouseUp left [Left] 1000,740"}));
}

TEST_F(TrayIconMouse, ADoubleClickRunsTheMenusDefaultItemInsteadOfOnDblClick) {
    MakeMenu();
    TTrayIcon& tray = LoadedTray();
    menu->Items(0).SetDefault(true);
    menu->Items(0).SetEnabled(false);  // a disabled default item does not count
    menu->Items(2).SetDefault(true);
    menu->Items(2).SetVisible(false);  // visibility is not looked at
    Send(tray, wm::LButtonDblClk);
    EXPECT_EQ(events, (Events{"Menu Exit", "MouseDown left [Double] 1000,740"}));
    EXPECT_TRUE(fake::MenuPopups().empty());

    events.clear();
    menu->Items(2).SetDefault(false);
    Send(tray, wm::LButtonDblClk);
    EXPECT_EQ(events, (Events{"DblClick", "MouseDown left [Double] 1000,740"}));

    events.clear();
    menu->Items(1).SetDefault(true);
    tray.SetActive(false);
    Send(tray, wm::LButtonDblClk);
    EXPECT_EQ(events, (Events{"DblClick", "MouseDown left [Double] 1000,740"}));
}

TEST_F(TrayIconMouse, ARightClickOpensTheMenuAtTheCursorInsteadOfTheClick) {
    MakeMenu();
    TTrayIcon& tray = LoadedTray();
    fake::ClearJournal();
    PostWindowMessage(mainForm->Handle(), wm::User);  // pending: handled before the menu opens
    Send(tray, wm::RButtonDown);
    Send(tray, wm::RButtonUp);
    EXPECT_EQ(events, (Events{"MouseDown right [Right] 1000,740", "MouseUp right [Right] 1000,740"}));
    ASSERT_EQ(fake::MenuPopups().size(), 1u);
    EXPECT_EQ(fake::MenuPopups()[0].Captions, (Events{"About", "Options", "Exit"}));
    EXPECT_EQ(fake::MenuPopups()[0].Point, (TPoint{1000, 740}));
    EXPECT_EQ(menu->PopupComponent(), &tray);
    const std::string foreground = "SetForegroundWindow " + std::to_string(tray.WindowHandle().Get());
    EXPECT_EQ(fake::Journal(), (Events{"CancelMode FormSkelvora1", foreground, "User message",
                                           "TrackPopupMenu 1000,740", foreground}));
}

TEST_F(TrayIconMouse, TheCancelModeRequestGoesToTheActiveFormBeforeTheMainForm) {
    MakeMenu();
    TTrayIcon& tray = LoadedTray();
    RecordingForm& about = form->Make<RecordingForm>();
    about.SetName("FormAbout");
    fake::SetActiveWindow(about.Handle());
    fake::ClearJournal();
    Send(tray, wm::RButtonDown);
    Send(tray, wm::RButtonUp);
    EXPECT_EQ(fake::Journal().front(), "CancelMode FormAbout");
}

TEST_F(TrayIconMouse, TheChosenMenuItemRunsOnceTheNotificationIsHandled) {
    MakeMenu();
    TTrayIcon& tray = LoadedTray();
    fake::ChooseMenuEntry("Options");
    Send(tray, wm::RButtonDown);
    Send(tray, wm::RButtonUp);
    application->ProcessMessages();
    EXPECT_EQ(events, (Events{"MouseDown right [Right] 1000,740", "MouseUp right [Right] 1000,740", "Menu Options"}));
}

TEST_F(TrayIconMouse, WithoutAMenuOrWithAutoPopupOffARightClickIsAClick) {
    TTrayIcon& tray = LoadedTray();
    Send(tray, wm::RButtonDown);
    Send(tray, wm::RButtonUp);
    MakeMenu().SetAutoPopup(false);
    tray.SetPopupMenu(menu);
    Send(tray, wm::RButtonDown);
    Send(tray, wm::RButtonUp);
    const std::string click = "Click right [Right] 1000,740";
    EXPECT_EQ(events, (Events{"MouseDown right [Right] 1000,740", click, "MouseUp right [Right] 1000,740",
                              "MouseDown right [Right] 1000,740", click, "MouseUp right [Right] 1000,740"}));
    EXPECT_TRUE(fake::MenuPopups().empty());
}

TEST_F(TrayIconMouse, TheSecondClickOfARightDoubleClickDoesNotOpenTheMenuAgain) {
    MakeMenu();
    TTrayIcon& tray = LoadedTray();
    for (unsigned message : {wm::RButtonDown, wm::RButtonUp, wm::RButtonDblClk, wm::RButtonUp}) Send(tray, message);
    EXPECT_EQ(events, (Events{"MouseDown right [Right] 1000,740", "MouseUp right [Right] 1000,740",
                              "MouseDown right [Double] 1000,740", "MouseUp right [Right] 1000,740"}));
    EXPECT_EQ(fake::MenuPopups().size(), 1u);
}

TEST_F(TrayIconMouse, TheMiddleButtonNeverClicks) {
    TTrayIcon& tray = LoadedTray();
    for (unsigned message : {wm::MButtonDown, wm::MButtonUp, wm::MButtonDblClk, wm::MButtonUp}) Send(tray, message);
    EXPECT_EQ(events, (Events{"MouseDown middle [Middle] 1000,740", "MouseUp middle [Middle] 1000,740",
                              "MouseDown middle [Double] 1000,740", "MouseUp middle [Middle] 1000,740"}));
}

TEST_F(TrayIconMouse, KeysAreReadWhenEachNotificationIsHandled) {
    TTrayIcon& tray = LoadedTray();
    fake::SetKeyDown(TModifierKey::Control, true);
    Send(tray, wm::LButtonDown);
    Send(tray, wm::LButtonUp);
    fake::SetKeyDown(TModifierKey::Shift, true);
    fake::SetKeyDown(TModifierKey::Menu, true);
    fake::SetCursorPos({-20, 5});  // a monitor left of the main one
    Send(tray, wm::MouseMove);
    fake::SetKeyDown(TModifierKey::Control, false);
    Send(tray, wm::LButtonDown);
    fake::ResetInput();
    Send(tray, wm::LButtonUp);
    EXPECT_EQ(events, (Events{"MouseDown left [Ctrl+Left] 1000,740", "Click left [Ctrl+Left] 1000,740",
                              "MouseUp left [Ctrl+Left] 1000,740", "MouseMove [Shift+Alt+Ctrl] -20,5",
                              "MouseDown left [Shift+Alt+Left] -20,5", "Click left [Left] 0,0",
                              "MouseUp left [Left] 0,0"}));
}

TEST_F(TrayIconMouse, HidingAndShowingForgetsAPressedButton) {
    TTrayIcon& tray = LoadedTray();
    Send(tray, wm::LButtonDown);
    tray.SetActive(false);
    tray.SetActive(true);
    Send(tray, wm::LButtonUp);
    EXPECT_EQ(events, (Events{"MouseDown left [Left] 1000,740", "MouseUp left [Left] 1000,740"}));
}

TEST_F(TrayIconMouse, ADisabledTrayRaisesNothingAndOpensNoMenu) {
    MakeMenu();
    TTrayIcon& tray = LoadedTray();
    tray.SetEnabled(false);
    fake::ClearShellCalls();
    fake::ClearJournal();
    for (unsigned message : {wm::LButtonDown, wm::LButtonUp, wm::RButtonDown, wm::RButtonUp, wm::MouseMove})
        Send(tray, message);
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(fake::MenuPopups().empty());
    EXPECT_TRUE(fake::ShellCalls().empty());
    EXPECT_EQ(fake::NotificationArea().size(), 1u);
    EXPECT_TRUE(fake::Journal().empty());
    tray.SetEnabled(true);
    Send(tray, wm::MouseMove);
    EXPECT_EQ(events, (Events{"MouseMove [] 1000,740"}));
}

TEST_F(TrayIconMouse, OtherMessagesGetDefaultProcessingAndOtherNotificationsNothing) {
    TTrayIcon& tray = LoadedTray();
    fake::ClearJournal();
    const unsigned taskbarCreated = 0xC123;  // a registered message such as "TaskbarCreated"
    EXPECT_EQ(SendWindowMessage(tray.WindowHandle(), taskbarCreated), 0);
    EXPECT_EQ(SendWindowMessage(tray.WindowHandle(), wm::User, 0, wm::LButtonDown), 0);
    EXPECT_EQ(Send(tray, 0x020A), 0);  // the wheel
    EXPECT_EQ(Send(tray, 0x0100), 0);  // a key
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(fake::Journal().empty());
    EXPECT_EQ(fake::ShellCalls().size(), 5u);  // only those of loading
}

TEST_F(TrayIconMouse, AFailingHandlerIsReportedAndTheTrayKeepsWorking) {
    TTrayIcon& tray = LoadedTray();
    onClick = [](TComponent&) { throw EFOpenError("Cannot open file C:\\Skelvora\\Images\\a.jpg"); };
    Send(tray, wm::LButtonDown);
    EXPECT_EQ(Send(tray, wm::LButtonUp), 0);
    EXPECT_EQ(Reported(), (Events{"Cannot open file C:\\Skelvora\\Images\\a.jpg."}));
    // The failure ended that notification's handling: its MouseUp is not raised.
    EXPECT_EQ(events, (Events{"MouseDown left [Left] 1000,740", "Click left [Left] 1000,740"}));

    onClick = nullptr;
    events.clear();
    Send(tray, wm::LButtonDown);
    Send(tray, wm::LButtonUp);
    EXPECT_EQ(events.size(), 3u);
    EXPECT_EQ(Reported().size(), 1u);
}

TEST_F(TrayIconMouse, AFailingMenuItemIsReportedWhenItRunsAfterTheSecondForegroundStep) {
    MakeMenu();
    TTrayIcon& tray = LoadedTray();
    menu->Items(2).OnClick = [](TComponent&) { throw EWriteError("Unable to write to C:\\Skelvora\\Skelvora.ini"); };
    fake::ChooseMenuEntry("Exit");
    fake::ClearJournal();
    Send(tray, wm::RButtonDown);
    Send(tray, wm::RButtonUp);
    const std::string foreground = "SetForegroundWindow " + std::to_string(tray.WindowHandle().Get());
    EXPECT_EQ(fake::Journal(),
              (Events{"CancelMode FormSkelvora1", foreground, "TrackPopupMenu 1000,740", foreground}));
    EXPECT_TRUE(Reported().empty());
    application->ProcessMessages();
    EXPECT_EQ(Reported(), (Events{"Unable to write to C:\\Skelvora\\Skelvora.ini."}));
}

TEST_F(TrayIconMouse, AFailingPopupStillBringsTheWindowForward) {
    MakeMenu();
    TTrayIcon& tray = LoadedTray();
    fake::SetMenuChooser([](const std::vector<TMenuEntry>&, TPoint) -> int { throw EOutOfResources("Out of system resources"); });
    fake::ClearJournal();
    Send(tray, wm::RButtonDown);
    Send(tray, wm::RButtonUp);
    EXPECT_EQ(Reported(), (Events{"Out of system resources."}));
    EXPECT_EQ(fake::Journal().back(), "SetForegroundWindow " + std::to_string(tray.WindowHandle().Get()));
}

TEST_F(TrayIconMouse, ADisabledWindowIsNotBroughtForward) {
    MakeMenu();
    TTrayIcon& tray = LoadedTray();
    fake::SetWindowEnabled(tray.WindowHandle(), false);
    fake::ClearJournal();
    Send(tray, wm::RButtonDown);
    Send(tray, wm::RButtonUp);
    EXPECT_EQ(fake::Journal(), (Events{"CancelMode FormSkelvora1", "TrackPopupMenu 1000,740"}));
}

TEST_F(TrayIconMouse, AFreedMenuIsForgotten) {
    auto menuForm = std::make_unique<TComponent>(nullptr);
    TTrayIcon& tray = LoadedTray();
    tray.SetPopupMenu(&menuForm->Make<TPopupMenu>());
    menuForm.reset();
    EXPECT_EQ(tray.PopupMenu(), nullptr);
    Send(tray, wm::RButtonDown);
    Send(tray, wm::RButtonUp);
    EXPECT_EQ(events, (Events{"MouseDown right [Right] 1000,740", "Click right [Right] 1000,740",
                              "MouseUp right [Right] 1000,740"}));
}

TEST_F(TrayIconMouse, AMenuFreedWhilePendingMessagesAreProcessedIsNotShown) {
    auto menuForm = std::make_unique<TComponent>(nullptr);
    TTrayIcon& tray = LoadedTray();
    tray.SetPopupMenu(&menuForm->Make<TPopupMenu>());
    mainForm->OnUserMessage = [&] { menuForm.reset(); };
    PostWindowMessage(mainForm->Handle(), wm::User);
    Send(tray, wm::RButtonDown);
    Send(tray, wm::RButtonUp);
    EXPECT_TRUE(fake::MenuPopups().empty());
    EXPECT_EQ(tray.PopupMenu(), nullptr);
    EXPECT_TRUE(Reported().empty());
    EXPECT_EQ(events, (Events{"MouseDown right [Right] 1000,740", "MouseUp right [Right] 1000,740"}));
}

}  // namespace skl::test
