// The controls on the system's standard controls: what the program sets
// reaches the window, and what the user does to the window reaches the
// control's state before its events are raised.
#include <gtest/gtest.h>

#include "../Samples.h"
#include "framework/application/Application.h"
#include "framework/application/Form.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Image.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/SpinEdit.h"
#include "framework/controls/StandardControls.h"
#include "framework/fake/Controls.h"
#include "framework/fake/Desktop.h"
#include "framework/fake/Foreground.h"
#include "framework/fake/Screen.h"
#include "FreshFakes.h"
#include "imaging/JPEGImage.h"

using namespace skl;
using fake::WindowState;

namespace {

class TTestForm : public TForm {
public:
    using TForm::TForm;
    const char* ClassName() const override { return "TTestForm"; }
};

class ControlWindows : public FreshFakes {
protected:
    template <class T>
    T& Add(TWinControl& parent, int left, int top, int width, int height, const std::string& caption = {}) {
        T& control = form.Make<T>();
        control.SetParent(&parent);
        control.SetBounds(left, top, width, height);
        control.SetCaption(caption);
        return control;
    }
    fake::TWindowState Window(TWinControl& control) { return *WindowState(control.Handle()); }

    TApplication application;
    TTestForm form{nullptr};
};

}  // namespace

TEST_F(ControlWindows, EveryControlGetsAChildWindowWithItsPlaceTextAndFont) {
    auto& box = Add<TCheckBox>(form, 8, 11, 345, 17, "Autostart");
    auto& button = Add<TButton>(form, 8, 76, 25, 25, "?");
    form.SetClientSize(391, 312);
    form.HandleNeeded();
    const auto state = Window(box);
    EXPECT_EQ(state.WindowClass, ButtonClass);
    EXPECT_EQ(state.Parent, form.Handle());
    EXPECT_EQ((std::vector<int>{state.X, state.Y, state.Width, state.Height}), (std::vector<int>{8, 11, 345, 17}));
    EXPECT_EQ(state.Caption, "Autostart");
    EXPECT_EQ(state.Style & ws::TabStop, ws::TabStop);
    EXPECT_EQ(fake::FontMade(state.Font), (fake::TFontMade{"MS Sans Serif", -11, 0}));
    EXPECT_NE(Window(button).Id, state.Id);
    box.SetCaption("Start with Windows");
    box.SetEnabled(false);
    button.Hide();
    EXPECT_EQ(Window(box).Caption, "Start with Windows");
    EXPECT_FALSE(WindowEnabled(box.Handle()));
    EXPECT_FALSE(Window(button).Visible);
}

TEST_F(ControlWindows, AtOneAndAHalfTimesTheResolutionPlacesAndFontsScale) {
    fake::SetScreenDpi(144);
    auto& label = form.Make<TLabel>();
    label.SetAutoSize(false);
    label.SetParent(&form);
    label.SetBounds(209, 51, 57, 22);
    label.SetFont({"Times New Roman", -15, clBlue, fsBold});
    form.SetClientSize(391, 312);
    form.Position = TPosition::poDesktopCenter;
    form.BorderStyle = TBorderStyle::bsSingle;
    form.HandleNeeded();
    const auto state = Window(label);
    EXPECT_EQ((std::vector<int>{state.X, state.Y, state.Width, state.Height}), (std::vector<int>{314, 77, 86, 33}));
    EXPECT_EQ(fake::FontMade(state.Font), (fake::TFontMade{"Times New Roman", -23, fsBold}));
    EXPECT_EQ(ClientSize(form.Handle()), (TPoint{587, 468}));
    const TRect outer = WindowScreenRect(form.Handle());
    EXPECT_NEAR(outer.Left, 1024 - outer.Right, 1) << "in the middle of the desktop";
    EXPECT_NEAR(outer.Top, 768 - outer.Bottom, 1);
}

TEST_F(ControlWindows, ALabelFitsItsTextUnlessItsSizeIsFixedAndTakesItsParentsFont) {
    auto& page = Add<TTabSheet>(form, 0, 0, 300, 200);
    auto& fitted = Add<TLabel>(page, 8, 112, 59, 13, "LANGUAGE");
    auto& fixed = form.Make<TLabel>();
    fixed.SetAutoSize(false);
    fixed.SetParent(&page);
    fixed.SetBounds(8, 56, 193, 13);
    fixed.SetCaption("LANGUAGE");
    auto& own = Add<TLabel>(page, 8, 8, 10, 10, "Skelvora");
    own.SetFont({"Times New Roman", -27, clFuchsia, fsBold | fsItalic | fsUnderline});
    form.HandleNeeded();
    EXPECT_EQ(fitted.Width(), 59) << "measured once its window is made";
    const fake::TWindowState shown = Window(fitted);
    // The headless fonts' characters are half as wide as the font is high.
    EXPECT_EQ((std::vector<int>{fitted.Width(), shown.Width, shown.Height}), (std::vector<int>{40, 40, 13}));
    EXPECT_EQ(Window(fixed).Width, 193);

    TFont bold = page.Font();
    bold.Style = fsBold;
    page.SetFont(bold);
    EXPECT_EQ(fake::FontMade(Window(fitted).Font).Style, fsBold);
    EXPECT_EQ(fake::FontMade(Window(own).Font), (fake::TFontMade{"Times New Roman", -27, 7}));
    fitted.SetCaption("LANGUAGE (all)");
    EXPECT_EQ(Window(fitted).Width, 70);
}

TEST_F(ControlWindows, AParentGivesALabelItsFontColourOnItsBackground) {
    auto& label = Add<TLabel>(form, 8, 136, 107, 13, "mail");
    form.HandleNeeded();
    EXPECT_EQ(fake::ColorsFor(form.Handle(), label.Handle()), (std::pair<TColor, TColor>{clWindowText, clBtnFace}));
    label.SetFontColor(clBlue);
    EXPECT_EQ(fake::ColorsFor(form.Handle(), label.Handle()), (std::pair<TColor, TColor>{clBlue, clBtnFace}));
}

TEST_F(ControlWindows, ALabelWithAHandlerReportsClicksAndMouseMoves) {
    auto& link = Add<TLabel>(form, 8, 136, 107, 13, "mail");
    auto& plain = Add<TLabel>(form, 8, 120, 94, 13, "Status");
    std::vector<std::string> events;
    link.OnClick = [&](TComponent&) { events.push_back("click"); };
    link.OnMouseMove = [&](TComponent&, TShiftState, int x, int y) {
        events.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    };
    form.HandleNeeded();
    EXPECT_EQ(Window(link).Style & ss::Notify, ss::Notify);
    EXPECT_EQ(Window(plain).Style & ss::Notify, 0u);
    fake::Click(link.Handle());
    fake::MoveMouse(link.Handle(), 3, 4);
    fake::Click(plain.Handle());
    EXPECT_EQ(events, (std::vector<std::string>{"click", "move 3,4"}));
}

TEST_F(ControlWindows, TheApplicationWideCursorStaysOverEveryWindow) {
    auto& label = Add<TLabel>(form, 8, 136, 107, 13, "mail");
    form.HandleNeeded();
    EXPECT_EQ(SendWindowMessage(label.Handle(), wm::SetCursor), 0) << "the window's own cursor";
    SetScreenCursor(TCursor::HandPoint);
    EXPECT_EQ(SendWindowMessage(label.Handle(), wm::SetCursor), 1);
    EXPECT_EQ(SendWindowMessage(form.Handle(), wm::SetCursor), 1);
    SetScreenCursor(TCursor::Default);
}

TEST_F(ControlWindows, ACheckBoxAndItsWindowAgreeWhoeverTicksIt) {
    auto& box = Add<TCheckBox>(form, 8, 31, 305, 17, "Random");
    box.SetChecked(true);
    form.HandleNeeded();
    EXPECT_TRUE(Window(box).Checked) << "set before the window was made";
    std::vector<bool> seen;
    box.OnClick = [&](TComponent&) { seen.push_back(box.Checked()); };
    fake::Click(box.Handle());
    EXPECT_FALSE(box.Checked());
    EXPECT_FALSE(Window(box).Checked);
    box.SetChecked(true);
    EXPECT_TRUE(Window(box).Checked);
    box.SetEnabled(false);
    fake::Click(box.Handle());
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(seen, std::vector<bool>{false}) << "the state was new when the event came, and came once";
}

TEST_F(ControlWindows, TheDropDownListHoldsTheEntriesInTheControlsOrderAndReportsTheChoice) {
    auto& list = Add<TComboBox>(form, 80, 108, 145, 21);
    list.Sorted = true;
    list.SetItemIndex(list.AddItem("Ukraine"));
    form.HandleNeeded();
    list.AddItem("English");
    list.AddItem("deutsch");
    EXPECT_EQ(Window(list).Entries, (std::vector<std::string>{"deutsch", "English", "Ukraine"}));
    EXPECT_EQ(Window(list).Selection, 2);
    EXPECT_EQ(Window(list).FieldHeight, 21);
    std::string chosen;
    list.OnChange = [&](TComponent&) { chosen = list.Text(); };
    fake::ChooseEntry(list.Handle(), 1);
    EXPECT_EQ(chosen, "English");
    EXPECT_EQ(list.ItemIndex(), 1);
    list.Clear();
    EXPECT_TRUE(Window(list).Entries.empty());
}

TEST_F(ControlWindows, APageControlShowsTheTabsNotHiddenAndTheActivePageOnly) {
    auto& pages = Add<TPageControl>(form, 8, 8, 377, 297);
    auto& options = pages.AddPage(form.Make<TTabSheet>());
    auto& about = pages.AddPage(form.Make<TTabSheet>());
    options.SetCaption("Options");
    about.SetCaption("About");
    form.HandleNeeded();
    EXPECT_EQ(Window(pages).Entries, (std::vector<std::string>{"Options", "About"}));
    EXPECT_EQ(Window(about).X, 2) << "a page fills the display area";
    EXPECT_EQ(Window(about).Height, 297 - 24);

    pages.SetActivePageIndex(1);
    options.SetTabVisible(false);
    EXPECT_EQ(Window(pages).Entries, std::vector<std::string>{"About"});
    EXPECT_EQ(Window(pages).Selection, 0);
    EXPECT_TRUE(Window(about).Visible);
    EXPECT_FALSE(Window(options).Visible);

    options.SetTabVisible(true);
    fake::ChooseTab(pages.Handle(), 0);
    EXPECT_EQ(pages.ActivePageIndex(), 0);
    EXPECT_TRUE(Window(options).Visible);
    EXPECT_FALSE(Window(about).Visible);
}

TEST_F(ControlWindows, TheFocusIsTheControlsAndTheWindowsAlike) {
    auto& first = Add<TButton>(form, 8, 8, 75, 25, "OK");
    auto& second = Add<TButton>(form, 100, 8, 75, 25, "Cancel");
    form.HandleNeeded();
    form.Show();
    second.SetFocus();
    EXPECT_EQ(FocusedWindow(), second.Handle());
    FocusWindow(first.Handle());
    EXPECT_EQ(form.ActiveControl(), &first);
    form.Hide();
    second.SetFocus();
    EXPECT_EQ(FocusedWindow(), first.Handle()) << "a hidden window takes the focus when it is next activated";
    form.Show();
    SendWindowMessage(form.Handle(), wm::Activate, 1);
    EXPECT_EQ(FocusedWindow(), second.Handle());
}

TEST_F(ControlWindows, APageRepaintingPaintsItsWindowlessControlsThatAreVisible) {
    struct TPainting : TControl {
        using TControl::TControl;
        void Paint() override { ++paints; }
        int paints = 0;
    };
    auto& page = Add<TTabSheet>(form, 0, 0, 300, 200);
    auto& shown = form.Make<TPainting>();
    auto& hidden = form.Make<TPainting>();
    shown.SetParent(&page);
    hidden.SetParent(&page);
    hidden.Hide();
    form.Show();
    application.ProcessMessages();
    shown.paints = 0;
    SendWindowMessage(page.Handle(), wm::Paint);
    EXPECT_EQ(shown.paints, 1);
    EXPECT_EQ(hidden.paints, 0);
    shown.Invalidate();
    application.ProcessMessages();
    EXPECT_EQ(shown.paints, 2) << "a windowless control is drawn again with its parent";
}

TEST_F(ControlWindows, APictureIsPaintedStretchedToItsControlAndReportsClicks) {
    auto& image = Add<TImage>(form, 192, 112, 6, 4);
    auto picture = std::make_unique<TJPEGImage>();
    picture->LoadFromFile(SamplePath("colour-3x2.jpg"));
    image.SetPicture(std::move(picture));
    int clicks = 0;
    image.OnClick = [&](TComponent&) { ++clicks; };
    form.HandleNeeded();
    SendWindowMessage(image.Handle(), wm::Paint);
    // 0x00BBGGRR: red top left, white bottom left, each 2 x 2.
    for (auto [x, y, colour] : {std::tuple{1, 1, 0x0000FFu}, {3, 0, 0x00FF00u}, {0, 3, 0xFFFFFFu}, {5, 2, 0x808080u}}) {
        for (int shift : {0, 8, 16})
            EXPECT_NEAR(static_cast<int>((fake::WindowPixel(image.Handle(), x, y) >> shift) & 0xFF),
                        static_cast<int>((colour >> shift) & 0xFF), 3)
                << x << "," << y;
    }
    fake::Click(image.Handle());
    EXPECT_EQ(clicks, 1);
}

namespace {

class SpinEditWindow : public ControlWindows {
protected:
    SpinEditWindow() {
        spin.MinValue = 1;
        spin.MaxValue = 1440;
        spin.SetValue(5);
        form.HandleNeeded();
        form.Show();
        for (const auto& window : fake::Windows())
            if (window.WindowClass == UpDownClass) upDown = window.Handle;
    }
    std::string Shown() { return WindowText(spin.Handle()); }

    TSpinEdit& spin = Add<TSpinEdit>(form, 209, 51, 57, 22);
    TButton& other = Add<TButton>(form, 8, 8, 75, 25, "OK");
    TWindowHandle upDown;
};

}  // namespace

TEST_F(SpinEditWindow, TheUpDownButtonsTakeTheRightEndOfTheControl) {
    const auto buttons = *WindowState(upDown);
    EXPECT_EQ(buttons.Parent, form.Handle());
    EXPECT_EQ(buttons.Buddy, spin.Handle());
    EXPECT_EQ((std::vector<int>{Window(spin).X, Window(spin).Width, buttons.X, buttons.Width}),
              (std::vector<int>{209, 41, 250, 16}));
    spin.Hide();
    EXPECT_FALSE(WindowState(upDown)->Visible);
}

TEST_F(SpinEditWindow, TypedCharactersOtherThanNumbersAreRefusedWithABeep) {
    FocusWindow(spin.Handle());
    fake::Type(spin.Handle(), U"\b2x+ -");
    EXPECT_EQ(Shown(), "2+-");
    EXPECT_EQ(spin.Text(), "2+-");
    EXPECT_EQ(fake::Beeps(), 2);
    fake::Type(spin.Handle(), U".,");
    EXPECT_EQ(spin.Text(), "2+-.");
    fake::SetDecimalSeparator(U',');
    fake::Type(spin.Handle(), U".,");
    EXPECT_EQ(spin.Text(), "2+-.,") << "the separator of the user's regional settings";
    EXPECT_EQ(fake::Beeps(), 4);
}

TEST_F(SpinEditWindow, KeysAndButtonsStepWithinTheRange) {
    fake::PressKey(spin.Handle(), vk::Up);
    EXPECT_EQ(Shown(), "6");
    fake::ClickUpDown(upDown, -1);
    fake::ClickUpDown(upDown, -1);
    fake::PressKey(spin.Handle(), vk::Down);
    EXPECT_EQ(spin.Value(), 3);
    spin.SetValue(1440);
    fake::ClickUpDown(upDown, +1);
    EXPECT_EQ(Shown(), "1440");
    spin.SetValue(1);
    fake::PressKey(spin.Handle(), vk::Down);
    EXPECT_EQ(Shown(), "1");
}

TEST_F(SpinEditWindow, LeavingTheEditBringsTheTypedValueIntoTheRange) {
    FocusWindow(spin.Handle());
    fake::Type(spin.Handle(), U"\b0000");
    EXPECT_EQ(Shown(), "0000") << "shown as typed while the edit has the focus";
    EXPECT_EQ(spin.Value(), 1) << "but read within the range";
    FocusWindow(other.Handle());
    EXPECT_EQ(Shown(), "1");
    FocusWindow(spin.Handle());
    fake::Type(spin.Handle(), U"\b5000");
    FocusWindow(other.Handle());
    EXPECT_EQ(spin.Text(), "1440");
}
