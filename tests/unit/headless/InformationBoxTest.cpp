// The program's own information box, run modal from the Options page, and
// the window the tray menu brings up.
#include "framework/application/InformationBox.h"
#include "framework/fake/Foreground.h"
#include "framework/fake/Journal.h"
#include "framework/fake/MenuPopup.h"
#include "ProgramFixture.h"

using namespace skl;

namespace {

class InformationBox : public ProgramFixture {
protected:
    InformationBox() {
        AddPicture("a.jpg");
        AddPicture("b.jpg");
        AddPicture("c.jpg");
    }
    bool Shown() { return fake::WindowState(form->Handle())->Visible; }
    // Whenever the loop waits, the next of the steps runs.
    void WhileWaiting(std::vector<std::function<void()>> steps) {
        waitingSteps = std::move(steps);
        fake::SetIdleHandler([this] {
            if (!waitingSteps.empty()) std::exchange(waitingSteps, {waitingSteps.begin() + 1, waitingSteps.end()})[0]();
        });
    }
    std::vector<std::function<void()>> waitingSteps;
    bool BoxOpen() {
        for (const auto& window : fake::Windows())
            if (window.WindowClass == "TInformationBox" && window.Visible) return true;
        return false;
    }
};

}  // namespace

TEST_F(InformationBox, TicksAndIconClicksGoOnWhileItIsOpenAndClosingItActivatesTheWindow) {
    TFormSkelvora1& window = Start();
    application.Run();
    window.Options1.Click();
    std::vector<std::string> whileOpen;
    WhileWaiting({[&] {
                      whileOpen.push_back(BoxOpen() && !WindowEnabled(window.Handle()) ? "open, window disabled" : "?");
                      fake::AdvanceClock(5 * 60000);
                  },
                  [&] {
                      whileOpen.push_back(window.Caption());
                      ClickTrayIcon();
                      whileOpen.push_back(window.Caption());
                      AnswerInformationBox();
                  }});
    window.Layout.Button1.Click();
    EXPECT_EQ(whileOpen, (std::vector<std::string>{"open, window disabled", "Skelvora - a.jpg (1/3)",
                                                   "Skelvora - b.jpg (2/3)"}));
    ASSERT_EQ(boxesSeen.size(), 1u);
    EXPECT_EQ(boxesSeen[0].Caption, "Skelvora");
    EXPECT_FALSE(BoxOpen());
    EXPECT_TRUE(WindowEnabled(window.Handle()));
    EXPECT_FALSE(Shown()) << "the activation handler hid the window: Images exists";
    EXPECT_EQ(window.ActiveControl(), &window.Layout.BitBtn3);
}

TEST_F(InformationBox, FocusComesBackToTheWindowWhichStaysWhenImagesIsGone) {
    TFormSkelvora1& window = Start();
    application.Run();
    window.Options1.Click();
    std::filesystem::remove_all(Folder() + "Images");
    fake::ClearJournal();
    window.Layout.Button1.Click();
    EXPECT_TRUE(Shown());
    EXPECT_TRUE(std::filesystem::is_directory(Folder() + "Images")) << "the activation handler ran";
    EXPECT_EQ(fake::Journal(), std::vector<std::string>{"SetForegroundWindow " + std::to_string(window.Handle().Get())});
    EXPECT_EQ(FocusedWindow(), window.Layout.BitBtn3.Handle());
}

TEST_F(InformationBox, TheBoxIsSizedToItsTextAndItsOkButtonIsCentredBelowIt) {
    TInformationBox box(nullptr, "A line of forty characters, or so it is.");
    box.HandleNeeded();
    const TLabel& text = box.Text();
    // The headless fonts' characters are 5 pixels wide: 200 pixels of text.
    EXPECT_EQ(box.ClientWidth(), 12 + 200 + 12);
    EXPECT_EQ(text.Caption(), "A line of forty characters, or so it is.");
    EXPECT_NEAR(box.OkButton().Left() * 2 + box.OkButton().Width(), box.ClientWidth(), 1);
    EXPECT_EQ(box.OkButton().Top(), text.Top() + text.Height() + 12);
    EXPECT_TRUE(box.OkButton().Default() && box.OkButton().Cancel());
}

TEST_F(InformationBox, OptionsChosenInTheTrayMenuComesUpInFrontWithTheFocusOnOk) {
    TFormSkelvora1& window = Start();
    application.Run();
    fake::ChooseMenuEntry(window.Options1.Caption());
    fake::ClearJournal();
    for (unsigned mouse : {wm::RButtonDown, wm::RButtonUp})
        SendWindowMessage(window.TrayIcon1.WindowHandle(), TrayNotifyMessage, 0, mouse);
    EXPECT_FALSE(Shown()) << "not while the menu is handled";
    application.ProcessMessages();
    EXPECT_TRUE(Shown());
    const std::string tray = "SetForegroundWindow " + std::to_string(window.TrayIcon1.WindowHandle().Get());
    EXPECT_EQ(fake::Journal(), (std::vector<std::string>{tray, "TrackPopupMenu 0,0", tray,
                                                         "SetForegroundWindow " + std::to_string(window.Handle().Get())}));
    EXPECT_EQ(FocusedWindow(), window.Layout.BitBtn3.Handle());
    EXPECT_EQ(fake::WindowState(window.Layout.PageControl1.Handle())->Entries, std::vector<std::string>{"Опції"});
    EXPECT_FALSE(fake::WindowState(window.Layout.TabSheet2.Handle())->Visible);
}
