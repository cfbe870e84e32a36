#include <gtest/gtest.h>

#include "framework/application/Application.h"
#include "framework/application/Form.h"
#include "framework/controls/StandardControls.h"
#include "framework/core/Exceptions.h"
#include "framework/fake/Controls.h"
#include "framework/fake/Desktop.h"
#include "FreshFakes.h"

using namespace skl;
using fake::MessageBoxesShown;
using fake::TMessageBoxShown;
using fake::WindowState;

namespace {

class TTestForm : public TForm {
public:
    explicit TTestForm(TComponent* owner) : TForm(owner) {
        SetCaption("Test");
        OnCreate = [this](TComponent&) { FormCreate(); };
    }
    const char* ClassName() const override { return "TTestForm"; }

    // What the creation hook does, set by a test before the form is made.
    static inline std::function<void(TTestForm&)> Creation;
    bool Created = false;

private:
    void FormCreate() {
        Created = true;
        if (Creation) Creation(*this);
    }
};

class TOtherForm : public TForm {
public:
    using TForm::TForm;
    const char* ClassName() const override { return "TOtherForm"; }
};

class Forms : public FreshFakes {
protected:
    Forms() {
        application.SetTitle("Skelvora");
        TTestForm::Creation = nullptr;
    }
    ~Forms() override { TTestForm::Creation = nullptr; }
    TApplication application;
};

}  // namespace

TEST_F(Forms, TheWindowClassNameIsTheFormsClassName) {
    auto& form = application.CreateForm<TTestForm>();
    const TWindowHandle window = form.Handle();
    EXPECT_EQ(FindTopLevelWindow("TTestForm"), window);
    EXPECT_FALSE(FindTopLevelWindow("TOtherForm"));
    EXPECT_EQ(WindowState(form.Handle())->Caption, "Test");
}

TEST_F(Forms, TheCreationHookRunsAndTheFirstFormBecomesTheMainFormWithAHiddenWindow) {
    auto& first = application.CreateForm<TTestForm>();
    auto& second = application.CreateForm<TOtherForm>();
    EXPECT_TRUE(first.Created);
    EXPECT_EQ(application.MainForm(), &first);
    EXPECT_NE(application.MainForm(), &second);
    EXPECT_TRUE(first.HandleAllocated());
    EXPECT_FALSE(WindowVisible(first.Handle()));
    EXPECT_FALSE(second.HandleAllocated());
}

TEST_F(Forms, AFailureInTheCreationHookEndsItIsReportedAndTheProgramGoesOn) {
    bool afterFailure = false;
    TTestForm::Creation = [&](TTestForm& form) {
        form.SetCaption("Skelvora - (1/3)");
        throw EReadError("Stream read error");
        afterFailure = true;
    };
    auto& form = application.CreateForm<TTestForm>();
    EXPECT_FALSE(afterFailure);
    EXPECT_EQ(MessageBoxesShown(),
              (std::vector<TMessageBoxShown>{{"Stream read error.", "Skelvora", TMessageBoxIcon::Error}}));
    EXPECT_EQ(application.MainForm(), &form);
    EXPECT_EQ(form.Caption(), "Skelvora - (1/3)");

    bool shownWhileRunning = false;
    fake::SetIdleHandler([&] {
        shownWhileRunning = WindowState(form.Handle())->Visible;
        application.Terminate();
    });
    application.Run();
    EXPECT_TRUE(shownWhileRunning);
}

TEST_F(Forms, AnAbortInTheCreationHookIsSilent) {
    TTestForm::Creation = [](TTestForm&) { throw EAbort(""); };
    application.CreateForm<TTestForm>();
    EXPECT_TRUE(MessageBoxesShown().empty());
    EXPECT_NE(application.MainForm(), nullptr);
}

TEST_F(Forms, ClosingTheMainFormEndsTheLoop) {
    auto& form = application.CreateForm<TTestForm>();
    fake::SetIdleHandler([&] { PostWindowMessage(form.Handle(), wm::Close); });
    application.Run();
    EXPECT_TRUE(application.Terminated());
    EXPECT_TRUE(MessageBoxesShown().empty());
}

TEST_F(Forms, ClosingAnotherFormHidesIt) {
    application.CreateForm<TTestForm>();
    auto& other = application.CreateForm<TOtherForm>();
    other.Show();
    SendWindowMessage(other.Handle(), wm::Close);
    application.ProcessMessages();
    EXPECT_FALSE(other.Visible());
    EXPECT_FALSE(WindowState(other.Handle())->Visible);
    EXPECT_FALSE(application.Terminated());
}

TEST_F(Forms, CaptionVisibilityAndPlaceReachTheWindow) {
    auto& form = application.CreateForm<TTestForm>();
    form.SetCaption("Skelvora - (2/9)");
    form.SetBounds(10, 20, 399, 341);
    form.Show();
    EXPECT_EQ(WindowText(form.Handle()), "Skelvora - (2/9)");
    EXPECT_TRUE(WindowVisible(form.Handle()));
    EXPECT_EQ(WindowState(form.Handle())->Width, 399);
    form.Hide();
    EXPECT_FALSE(WindowVisible(form.Handle()));
}

TEST_F(Forms, HiddenAFormGivesBackItsControlsWindowsAndTheirLibraryOnceNoneIsLeftAnywhere) {
    auto& first = application.CreateForm<TTestForm>();
    auto& second = application.CreateForm<TOtherForm>();
    TButton button(nullptr);
    button.SetParent(&first);
    button.SetCaption("OK");
    TCheckBox box(nullptr);
    box.SetParent(&second);
    first.Show();
    second.Show();

    first.Hide();
    EXPECT_EQ(ChildWindows(first.Handle()).size(), 1u) << "the button clicked may still be on the stack";
    application.ProcessMessages();
    EXPECT_TRUE(ChildWindows(first.Handle()).empty());
    EXPECT_EQ(FindTopLevelWindow("TTestForm"), first.Handle()) << "other programs still find the form";
    EXPECT_EQ(fake::ControlLibraryReleases(), 0) << "the other form's check box is left";

    second.Hide();
    application.ProcessMessages();
    EXPECT_EQ(fake::ControlLibraryReleases(), 1);

    first.Show();
    ASSERT_EQ(ChildWindows(first.Handle()).size(), 1u);
    EXPECT_EQ(WindowText(button.Handle()), "OK");
    EXPECT_TRUE(WindowVisible(button.Handle()));
}

TEST_F(Forms, AFormShownAgainBeforeItsMessagesAreHandledKeepsItsControlsWindows) {
    auto& form = application.CreateForm<TTestForm>();
    TButton button(nullptr);
    button.SetParent(&form);
    form.Show();
    const TWindowHandle shown = button.Handle();
    form.Hide();
    form.Show();
    application.ProcessMessages();
    EXPECT_EQ(ChildWindows(form.Handle()), std::vector<TWindowHandle>{shown});
    EXPECT_EQ(fake::ControlLibraryReleases(), 0);
}

TEST_F(Forms, AFormIsAFramedTopLevelWindow) {
    auto& form = application.CreateForm<TTestForm>();
    const auto state = *WindowState(form.Handle());
    EXPECT_FALSE(state.Parent);
    EXPECT_EQ(state.Style & ws::Caption, ws::Caption);
    EXPECT_EQ(state.Style & ws::Child, 0u);
}

TEST_F(Forms, TheApplicationTakesItsFormsWindowsWithIt) {
    {
        TApplication shortLived;
        shortLived.CreateForm<TTestForm>().Show();
        shortLived.CreateForm<TOtherForm>().Show();
        EXPECT_EQ(fake::Windows().size(), 2u);
    }
    EXPECT_TRUE(fake::Windows().empty());
}

TEST_F(Forms, ChildWindowsAreTheWindowsWhoseParentItIs) {
    auto& form = application.CreateForm<TTestForm>();
    TCreateParams params;
    params.WindowClass = "STATIC";
    params.Parent = form.Handle();
    TWindow first(params, nullptr), second(params, nullptr);
    params.Parent = first.Handle();
    TWindow grandchild(params, nullptr);
    EXPECT_EQ(ChildWindows(form.Handle()), (std::vector<TWindowHandle>{first.Handle(), second.Handle()}));
    EXPECT_EQ(ChildWindows(first.Handle()), std::vector<TWindowHandle>{grandchild.Handle()});
    EXPECT_TRUE(ChildWindows(second.Handle()).empty());
}

namespace {

// A form with two pages of buttons, as the dialog keyboard interface sees it.
class DialogKeys : public Forms {
protected:
    DialogKeys() {
        for (TWinControl* page : {&first, &second}) page->SetParent(&form);
        ok.SetParent(&first);
        cancel.SetParent(&first);
        refresh.SetParent(&first);
        aboutOk.SetParent(&second);
        ok.SetDefault(true);
        aboutOk.SetDefault(true);
        cancel.SetCancel(true);
        for (TButton* button : {&ok, &cancel, &refresh, &aboutOk})
            button->OnClick = [this, button](TComponent&) { pressed.push_back(button); };
        second.Hide();
        form.HandleNeeded();
        form.Show();
    }
    // What the interface sends the dialog for Enter and Esc.
    void Enter() {
        const auto answer = static_cast<std::uintptr_t>(SendWindowMessage(form.Handle(), wm::GetDefId));
        const std::uintptr_t id = (answer >> 16) == HasDefId ? answer & 0xFFFF : IdOk;
        SendWindowMessage(form.Handle(), wm::Command, id);
    }
    void Escape() { SendWindowMessage(form.Handle(), wm::Command, IdCancel); }
    bool DefaultLook(TButton& button) { return WindowState(button.Handle())->DefaultLook; }

    TTestForm& form = application.CreateForm<TTestForm>();
    TWinControl& first = form.Make<TWinControl>();
    TWinControl& second = form.Make<TWinControl>();
    TButton& ok = form.Make<TButton>();
    TButton& cancel = form.Make<TButton>();
    TButton& refresh = form.Make<TButton>();
    TButton& aboutOk = form.Make<TButton>();
    std::vector<TButton*> pressed;
};

}  // namespace

TEST_F(DialogKeys, EnterPressesTheShownDefaultButtonAndEscTheCancelButton) {
    EXPECT_TRUE(DefaultLook(ok));
    EXPECT_FALSE(DefaultLook(cancel));
    Enter();
    Escape();
    first.Hide();
    second.Show();
    Enter();
    Escape();
    EXPECT_EQ(pressed, (std::vector<TButton*>{&ok, &cancel, &aboutOk})) << "Esc has no button on the second page";
}

TEST_F(DialogKeys, ThePushButtonWithTheFocusLooksLikeTheOneEnterPresses) {
    FocusWindow(refresh.Handle());
    EXPECT_TRUE(DefaultLook(refresh));
    EXPECT_FALSE(DefaultLook(ok));
    // Enter on it: the interface names the focused button by its number.
    SendWindowMessage(form.Handle(), wm::Command, refresh.Id(), static_cast<std::intptr_t>(refresh.Handle().Get()));
    EXPECT_EQ(pressed, std::vector<TButton*>{&refresh});
    FocusWindow(first.Handle());
    EXPECT_TRUE(DefaultLook(ok));
    EXPECT_FALSE(DefaultLook(refresh));
}

TEST_F(DialogKeys, ActivatedWithoutAFocusedControlTheFirstTabStopTakesTheFocus) {
    cancel.SetEnabled(false);
    ok.Hide();
    SendWindowMessage(form.Handle(), wm::Activate, 1);
    EXPECT_EQ(FocusedWindow(), refresh.Handle());
    EXPECT_EQ(form.ActiveControl(), &refresh);
}
