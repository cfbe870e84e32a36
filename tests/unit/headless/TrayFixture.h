#pragma once
// Tray icons and their menu, set up as the main form's description loads
// them, on a fresh headless desktop with an application and a main form that
// notes the cancel-mode requests and the posted messages it handles.
#include <gtest/gtest.h>

#include "FreshFakes.h"

#include <memory>
#include <string>
#include <vector>

#include "framework/application/Application.h"
#include "framework/core/Exceptions.h"
#include "framework/fake/Desktop.h"
#include "framework/fake/Foreground.h"
#include "framework/fake/InputState.h"
#include "framework/fake/Journal.h"
#include "framework/fake/MenuPopup.h"
#include "framework/fake/ShellNotify.h"
#include "framework/fake/Sleep.h"
#include "framework/fake/ThreadStart.h"
#include "framework/core/Messages.h"
#include "ui/TrayIcon.h"
#include "../IconFile.h"

namespace skl::test {

inline TIcon MakeIcon(std::uint8_t colour) {
    TIcon icon;
    const auto file = IconFile(colour);
    icon.LoadFromMemory(file.data(), file.size());
    return icon;
}

inline std::string ShiftText(TShiftState shift) {
    static const char* names[] = {"Shift", "Alt", "Ctrl", "Left", "Right", "Middle", "Double"};
    std::string text = "[";
    for (int flag = ssShift; flag <= ssDouble; ++flag) {
        if (!shift.Contains(static_cast<TShiftFlag>(flag))) continue;
        if (text.size() > 1) text += '+';
        text += names[flag];
    }
    return text += ']';
}

inline std::string ButtonText(TMouseButton button) {
    return button == mbLeft ? "left" : button == mbRight ? "right" : "middle";
}

class RecordingForm : public TForm {
public:
    using TForm::TForm;
    std::function<void()> OnUserMessage;

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg == wm::CancelMode) fake::Note("CancelMode " + Name());
        if (message.Msg == wm::User) {
            fake::Note("User message");
            if (OnUserMessage) OnUserMessage();
        }
        TForm::WndProc(message);
    }
};

class TrayFixture : public FreshFakes {
protected:
    void SetUp() override {
        application = std::make_unique<TApplication>();
        application->SetTitle("Skelvora");
        mainForm = &application->CreateForm<RecordingForm>();
        mainForm->SetName("FormSkelvora1");
        fake::ClearShellCalls();
        fake::ClearJournal();
    }

    void TearDown() override {
        form.reset();
        fake::HoldSleeps(false);
        EXPECT_TRUE(fake::WaitForThreadsToEnd());
        application.reset();
    }

    // The texts of the failure reports shown so far.
    std::vector<std::string> Reported() {
        std::vector<std::string> texts;
        for (const auto& shown : fake::MessageBoxesShown()) {
            EXPECT_EQ(shown.Caption, "Skelvora");
            EXPECT_EQ(shown.Icon, TMessageBoxIcon::Error);
            texts.push_back(shown.Text);
        }
        return texts;
    }

    // Made, set and loaded in the order the main form's description gives.
    TTrayIcon& LoadedTray(const std::string& hint = "Skelvora - (1/3)") {
        TTrayIcon& tray = NewTray();
        tray.SetHint(hint);
        tray.SetIcon(icon);
        tray.SetInterval(0);
        tray.SetPopupMenu(menu);
        tray.Loaded();
        return tray;
    }

    TTrayIcon& NewTray() {
        TTrayIcon& tray = form->Make<TTrayIcon>();
        Record(tray);
        return tray;
    }

    TPopupMenu& MakeMenu() {
        menu = &form->Make<TPopupMenu>();
        for (const char* caption : {"About", "Options", "Exit"}) {
            TMenuItem& item = menu->Add(caption);
            item.OnClick = [this, caption](TComponent&) { events.push_back(std::string("Menu ") + caption); };
        }
        return *menu;
    }

    void Record(TTrayIcon& tray) {
        auto at = [](int x, int y) { return std::string(" ").append(std::to_string(x)).append(",").append(std::to_string(y)); };
        tray.OnMouseDown = [this, at](TComponent&, TMouseButton button, TShiftState shift, int x, int y) {
            events.push_back("MouseDown " + ButtonText(button) + " " + ShiftText(shift) + at(x, y));
        };
        tray.OnMouseUp = [this, at](TComponent&, TMouseButton button, TShiftState shift, int x, int y) {
            events.push_back("MouseUp " + ButtonText(button) + " " + ShiftText(shift) + at(x, y));
        };
        tray.OnClick = [this, at](TComponent& sender, TMouseButton button, TShiftState shift, int x, int y) {
            events.push_back("Click " + ButtonText(button) + " " + ShiftText(shift) + at(x, y));
            if (onClick) onClick(sender);
        };
        tray.OnMouseMove = [this, at](TComponent&, TShiftState shift, int x, int y) {
            events.push_back("MouseMove " + ShiftText(shift) + at(x, y));
        };
        tray.OnDblClick = [this](TComponent&) { events.push_back("DblClick"); };
    }

    // The shell's notification for the icon, as the message loop delivers it.
    std::intptr_t Send(TTrayIcon& tray, unsigned mouseMessage) {
        return SendWindowMessage(tray.WindowHandle(), TrayNotifyMessage, 0, mouseMessage);
    }

    std::vector<TNotifyIconMessage> ShellMessages() {
        std::vector<TNotifyIconMessage> messages;
        for (const auto& call : fake::ShellCalls()) messages.push_back(call.Message);
        return messages;
    }

    std::unique_ptr<TApplication> application;
    RecordingForm* mainForm = nullptr;
    // Owns the trays and menus, so that a test can free them.
    std::unique_ptr<TComponent> form = std::make_unique<TComponent>(nullptr);
    TIcon icon = MakeIcon(1);
    TPopupMenu* menu = nullptr;
    std::vector<std::string> events;
    std::function<void(TComponent&)> onClick;
};

inline constexpr auto nimAdd = TNotifyIconMessage::nimAdd;
inline constexpr auto nimModify = TNotifyIconMessage::nimModify;
inline constexpr auto nimDelete = TNotifyIconMessage::nimDelete;

}  // namespace skl::test
