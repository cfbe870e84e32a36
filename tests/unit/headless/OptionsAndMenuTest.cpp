#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "framework/fake/Controls.h"
#include "framework/fake/MenuPopup.h"
#include "framework/system/Screen.h"
#include "ProgramFixture.h"

using namespace skl;

namespace {

constexpr const char* RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class OptionsAndMenu : public ProgramFixture {
protected:
    OptionsAndMenu() {
        AddPicture("a.jpg");
        AddPicture("b.jpg");
    }
    bool Shown() { return fake::WindowState(form->Handle())->Visible; }
};

// The form's control windows as the user meets them, oldest first; a window
// is named by its place in the list, since handles are new each time.
std::vector<std::string> ControlWindows(TWindowHandle form) {
    std::vector<std::string> shown;
    std::map<TWindowHandle, std::size_t> place{{form, 0}};
    auto named = [&](TWindowHandle window) { return place.contains(window) ? place[window] : 99; };
    for (const fake::TWindowState& window : fake::Windows()) {
        if (!place.contains(window.Parent)) continue;
        place[window.Handle] = shown.size() + 1;
        const fake::TFontMade font = fake::FontMade(window.Font);
        std::ostringstream text;
        text << window.WindowClass << " '" << window.Caption << "' in " << named(window.Parent) << " at "
             << window.X << "," << window.Y << " " << window.Width << "x" << window.Height << " style "
             << window.Style << " visible " << window.Visible << " checked " << window.Checked << " default "
             << window.DefaultLook << " glyph " << window.GlyphWidth << " font " << font.Face << " "
             << font.Height << " selection " << window.Selection << " field " << window.FieldHeight
             << " buddy " << (window.Buddy ? named(window.Buddy) : 0) << " entries";
        for (const std::string& entry : window.Entries) text << " '" << entry << "'";
        shown.push_back(text.str());
    }
    return shown;
}

}  // namespace

TEST_F(OptionsAndMenu, HiddenTheWindowGivesBackItsControlsAndShowsThemAgainAsTheyWere) {
    TFormSkelvora1& window = Start();
    window.RandomOrderShown = window.Autostart = 1;  // boxes ticked
    for (auto [page, leave] : {std::pair{&window.Options1, &window.Layout.BitBtn2},
                               std::pair{&window.About1, &window.Layout.BitBtn1}}) {
        page->Click();
        const std::vector<std::string> before = ControlWindows(window.Handle());
        ASSERT_GT(before.size(), 5u);
        leave->Click();
        application.ProcessMessages();
        EXPECT_TRUE(ChildWindows(window.Handle()).empty());
        const int releases = fake::ControlLibraryReleases();
        EXPECT_GE(releases, 1);

        page->Click();
        EXPECT_EQ(ControlWindows(window.Handle()), before);
        EXPECT_EQ(FocusedWindow(), window.ActiveControl()->Handle());
        leave->Click();
        application.ProcessMessages();
        EXPECT_EQ(fake::ControlLibraryReleases(), releases + 1);
    }
}

TEST_F(OptionsAndMenu, OkSavesEveryOptionAndTheTimerTakesTheNewInterval) {
    TFormSkelvora1& window = Start();
    window.Options1.Click();
    EXPECT_TRUE(Shown());
    window.Layout.SpinEdit1.SetValue(10);
    window.Layout.CheckBox2.SetChecked(true);
    window.Layout.CheckBox3.SetChecked(true);
    window.Layout.CheckBox1.SetChecked(true);
    window.Layout.BitBtn3.Click();
    EXPECT_FALSE(Shown());
    EXPECT_EQ(window.Timer1.Interval(), 600000u);
    EXPECT_EQ(Settings(), "[Options]\r\nInterval=10\r\nRandomize=1\r\nLng=Ukraine\r\nActiveDesktop=1\r\n");
    EXPECT_EQ(RegistryString(RunKey, "Skelvora"), Folder() + "Skelvora.exe");
    EXPECT_EQ(window.Interval, 5) << "the interval read at start-up stays";

    window.Options1.Click();
    EXPECT_EQ(window.Layout.SpinEdit1.Value(), 10);
    EXPECT_EQ(window.ActiveControl(), &window.Layout.BitBtn3);
}

TEST_F(OptionsAndMenu, CancelSavesNothingAndTheNextOptionsShowTheValuesInEffect) {
    TFormSkelvora1& window = Start();
    window.Options1.Click();
    window.Layout.SpinEdit1.SetValue(30);
    window.Layout.CheckBox2.SetChecked(true);
    window.Layout.BitBtn2.Click();
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(std::filesystem::exists(Folder() + "Skelvora.ini"));
    window.Options1.Click();
    EXPECT_EQ(window.Layout.SpinEdit1.Value(), 5);
    EXPECT_FALSE(window.Layout.CheckBox2.Checked());
}

TEST_F(OptionsAndMenu, LettersInTheIntervalSaveOneMinute) {
    TFormSkelvora1& window = Start();
    window.Options1.Click();
    window.Layout.SpinEdit1.SetText("abc");
    window.Layout.BitBtn3.Click();
    EXPECT_EQ(window.Timer1.Interval(), 60000u);
    EXPECT_NE(Settings().find("Interval=1\r\n"), std::string::npos);
}

TEST_F(OptionsAndMenu, EnterInTheIntervalSavesItWithinOneToADay) {
    TFormSkelvora1& window = Start();
    for (const auto& [typed, minutes] : {std::pair{U"0", 1}, {U"-5", 1}, {U"99999", 1440}}) {
        window.Options1.Click();
        FocusWindow(window.Layout.SpinEdit1.Handle());
        fake::Type(window.Layout.SpinEdit1.Handle(), std::u32string(U"\b\b\b\b\b") + typed);
        SendWindowMessage(window.Handle(), wm::Command, IdOk);  // Enter, the focus still in the edit
        EXPECT_FALSE(Shown());
        EXPECT_EQ(window.Timer1.Interval(), minutes * 60000u);
        EXPECT_NE(Settings().find("Interval=" + std::to_string(minutes) + "\r\n"), std::string::npos) << Settings();
    }
}

TEST_F(OptionsAndMenu, OkWithASettingsFileThatRefusesTheWriteReportsItAndSkipsAutostart) {
    WriteSettings("[Options]\nInterval=5\n");
    folder.MakeReadOnly("Skelvora.ini");
    TFormSkelvora1& window = Start();
    window.Options1.Click();
    window.Layout.CheckBox1.SetChecked(true);
    fake::Click(window.Layout.BitBtn3.Handle());
    EXPECT_EQ(Reports(), std::vector<std::string>{"Unable to write to " + Folder() + "Skelvora.ini."});
    EXPECT_EQ(Settings(), "[Options]\nInterval=5\n");
    EXPECT_EQ(RegistryString(RunKey, "Skelvora"), "<none>");
    EXPECT_EQ(window.Autostart, 0);
    EXPECT_FALSE(Shown());
}

TEST_F(OptionsAndMenu, UntickingAutostartRemovesTheValueAndAgainIsHarmless) {
    skl::fake::PutRegistryValue(RunKey, "Skelvora", {TRegDataType::String, "x"});
    TFormSkelvora1& window = Start();
    window.Options1.Click();
    window.Layout.CheckBox1.SetChecked(false);
    window.Layout.BitBtn3.Click();
    EXPECT_EQ(RegistryString(RunKey, "Skelvora"), "<none>");
    window.Options1.Click();
    window.Layout.BitBtn3.Click();
    EXPECT_TRUE(Reports().empty());
    EXPECT_EQ(window.Autostart, 0);
}

TEST_F(OptionsAndMenu, AboutShowsItsPageOnlyAndItsOkHides) {
    TFormSkelvora1& window = Start();
    window.About1.Click();
    EXPECT_TRUE(Shown());
    EXPECT_EQ(window.Layout.PageControl1.ActivePageIndex(), 1);
    EXPECT_TRUE(window.Layout.TabSheet2.TabVisible());
    EXPECT_FALSE(window.Layout.TabSheet1.TabVisible());
    EXPECT_EQ(window.ActiveControl(), &window.Layout.BitBtn1);
    window.Layout.BitBtn1.Click();
    EXPECT_FALSE(Shown());
}

TEST_F(OptionsAndMenu, ExitSavesThePictureNumberAndEndsTheProgram) {
    TFormSkelvora1& window = Start();
    ClickTrayIcon();
    window.Exit1.Click();
    application.ProcessMessages();
    EXPECT_TRUE(application.Terminated());
    EXPECT_EQ(Settings(), "[Options]\r\nImageN=2\r\n");
}

TEST_F(OptionsAndMenu, HelpAndLicenceBoxesShowTheirTextsAndHideTheWindowAfterwards) {
    TFormSkelvora1& window = Start();
    window.Options1.Click();
    window.Layout.Button1.Click();
    EXPECT_FALSE(Shown()) << "closing the box activates the window, which hides it";
    window.About1.Click();
    window.Layout.Button2.Click();
    ASSERT_EQ(boxesSeen.size(), 2u);
    EXPECT_EQ(boxesSeen[0].Text, "Якщо малюнки не змінюються, то включіть цю опцію, інакше краще її виключити.");
    EXPECT_EQ(boxesSeen[0].Caption, "Skelvora");
    EXPECT_EQ(boxesSeen[1].Text,
              "Автор не несе ніякої відповідальності за будь-які пошкодження, викликані цією програмою.");
    EXPECT_TRUE(fake::MessageBoxesShown().empty());
}

TEST_F(OptionsAndMenu, LinksOpenWithTheShellAndLightUpUnderTheMouse) {
    TFormSkelvora1& window = Start();
    window.Layout.Label7.Click();
    window.Layout.Label8.Click();
    EXPECT_EQ(fake::ShellLog().OpenedLinks,
              (std::vector<std::string>{"mailto:skelvora@example.org|hide", "https://skelvora.example.org/|maximized"}));
    window.Layout.Label8.MouseMove({}, 1, 1);
    EXPECT_EQ(window.Layout.Label8.Font().Color, clBlue);
    EXPECT_EQ(ScreenCursor(), TCursor::HandPoint);
    window.Layout.TabSheet2.MouseMove({}, 1, 1);
    EXPECT_EQ(window.Layout.Label8.Font().Color, clWindowText);
    EXPECT_EQ(ScreenCursor(), TCursor::Default);
    window.Layout.Image1.Click();
    EXPECT_EQ(fake::ShellLog().ScreenSaverStarts, 1);
}

TEST_F(OptionsAndMenu, TheButtonsShowTheirGlyphsAndTheAboutPageItsFonts) {
    TFormSkelvora1& window = Start();
    TMainLayout& l = window.Layout;
    for (TBitBtn* button : {&l.BitBtn3, &l.BitBtn2, &l.BitBtn1})
        EXPECT_EQ(fake::WindowState(button->Handle())->GlyphWidth, 16) << button->Name();
    EXPECT_TRUE(fake::WindowState(l.BitBtn3.Handle())->DefaultLook);
    EXPECT_FALSE(fake::WindowState(l.BitBtn2.Handle())->DefaultLook);
    auto made = [](TWinControl& control) { return fake::FontMade(fake::WindowState(control.Handle())->Font); };
    EXPECT_EQ(made(l.Label7), (fake::TFontMade{"MS Sans Serif", -11, fsBold})) << "the page's bold font";
    EXPECT_EQ(made(l.Label10), (fake::TFontMade{"Times New Roman", -27, fsBold | fsItalic | fsUnderline}));
    EXPECT_EQ(made(l.Label2), (fake::TFontMade{"MS Sans Serif", -11, 0}));
    // "Status: freeware" in dark letters on the page's colour.
    EXPECT_EQ(fake::ColorsFor(l.TabSheet2.Handle(), l.Label6.Handle()),
              (std::pair<TColor, TColor>{clWindowText, clBtnFace}));
    EXPECT_EQ(fake::ColorsFor(l.TabSheet2.Handle(), l.Label10.Handle()).first, clFuchsia);
}

TEST_F(OptionsAndMenu, ExitWithAReadOnlySettingsFileReportsItAndStillEnds) {
    WriteSettings("[Options]\nImageN=1\n");
    folder.MakeReadOnly("Skelvora.ini");
    TFormSkelvora1& window = Start();
    fake::ChooseMenuEntry(window.Exit1.Caption());
    RightClickTrayIcon();
    application.ProcessMessages();
    EXPECT_EQ(Reports(), std::vector<std::string>{"Unable to write to " + Folder() + "Skelvora.ini."});
    EXPECT_TRUE(application.Terminated());
    EXPECT_EQ(Settings(), "[Options]\nImageN=1\n");
}

TEST_F(OptionsAndMenu, AfterATaskbarRestartTheIconIsBackWithThePictureAndItsMenuOpens) {
    TFormSkelvora1& window = Start();
    application.Run();
    ClickTrayIcon();
    fake::RestartTaskbar();
    application.ProcessMessages();
    ASSERT_EQ(fake::NotificationArea().size(), 1u);
    EXPECT_EQ(fake::NotificationArea()[0].szTip, "a.jpg (1/2)");
    fake::ChooseMenuEntry(window.Options1.Caption());
    RightClickTrayIcon();
    application.ProcessMessages();
    EXPECT_TRUE(Shown()) << "Options is reachable again";
}
