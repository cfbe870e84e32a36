#include <gtest/gtest.h>

#include "FreshFakes.h"
#include "framework/fake/Desktop.h"
#include "framework/application/Application.h"
#include "framework/core/Exceptions.h"
#include "framework/controls/Form.h"

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
    EXPECT_EQ(FindTopLevelWindow("TOtherForm"), 0u);
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

TEST_F(Forms, AFormIsAFramedTopLevelWindow) {
    auto& form = application.CreateForm<TTestForm>();
    const auto state = *WindowState(form.Handle());
    EXPECT_EQ(state.Parent, 0u);
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
