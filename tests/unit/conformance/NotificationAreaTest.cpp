// The shell's notification area as the tray icon relies on it: one icon per
// window and identifier, changes only to an icon it holds, and the message of
// a new taskbar, which reaches every top-level window.
#include <algorithm>

#include "Backend.h"
#include "framework/application/Application.h"
#include "framework/system/ShellNotify.h"
#include "framework/system/Window.h"

using namespace skl;

namespace {

class NotificationAreaConformance : public conformance::Test {
protected:
    NotificationAreaConformance() {
        data.cbSize = NotifyIconDataV1Size();
        data.hWnd = window.Handle();
        data.uFlags = nifMessage | nifTip;
        data.uCallbackMessage = 0xB054;
        data.szTip = "Skelvora - літо\\море.jpg (5/5)";
    }
    bool Shell(TNotifyIconMessage message) { return ShellNotifyIcon(message, data); }

    TWindow window{UtilityWindow(), nullptr};
    TNotifyIconData data;
};

}  // namespace

TEST_F(NotificationAreaConformance, AnIconIsAddedOnceChangedWhileHeldAndRemovedOnce) {
    EXPECT_TRUE(Shell(TNotifyIconMessage::nimAdd));
    EXPECT_FALSE(Shell(TNotifyIconMessage::nimAdd)) << "a second add of the same icon";
    data.szTip = "Skelvora - (1/5)";
    EXPECT_TRUE(Shell(TNotifyIconMessage::nimModify));
    EXPECT_TRUE(Shell(TNotifyIconMessage::nimDelete));
    EXPECT_FALSE(Shell(TNotifyIconMessage::nimModify)) << "a change of a removed icon";
    EXPECT_FALSE(Shell(TNotifyIconMessage::nimDelete)) << "a second remove";
}

TEST_F(NotificationAreaConformance, TheRecordIsTheFirstVersionForThisBuild) {
    EXPECT_EQ(NotifyIconDataV1Size(), sizeof(void*) == 8 ? 168u : 152u);
}

TEST_F(NotificationAreaConformance, TheNewTaskbarsMessageReachesEveryTopLevelWindow) {
    TApplication application;
    int got = 0;
    TWindow listener([&](TMessage& message) {
        if (message.Msg == TaskbarCreatedMessage())
            ++got;
        else
            listener.DefaultHandler(message);
    });
    listener.Create(UtilityWindow());
    const auto topLevel = ChildWindows(0);
    EXPECT_NE(std::find(topLevel.begin(), topLevel.end(), listener.Handle()), topLevel.end());
    EXPECT_GE(TaskbarCreatedMessage(), 0xC000u) << "a registered message";
    ASSERT_TRUE(PostWindowMessage(EveryTopLevelWindow, TaskbarCreatedMessage()));
    application.ProcessMessages();
    EXPECT_EQ(got, 1);
}
