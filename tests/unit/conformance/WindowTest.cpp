// Windows and the message loop as the program relies on them.
#include <string>
#include <vector>

#include "Backend.h"
#include "framework/application/Application.h"
#include "framework/system/Window.h"

using namespace skl;

namespace {

constexpr unsigned Note = wm::User + 1;

// A window that notes the messages it gets (wm::User and above) and answers
// each with 7.
class Recorder {
public:
    explicit Recorder(TCreateParams params = UtilityWindow())
        : Window(params, [this](TMessage& message) {
              if (message.Msg >= wm::User) {
                  Got.push_back(static_cast<int>(message.WParam));
                  if (OnNote) OnNote(message);
                  message.Result = 7;
              } else {
                  Window.DefaultHandler(message);
              }
          }) {}
    std::vector<int> Got;
    std::function<void(TMessage&)> OnNote;
    TWindow Window;
};

TCreateParams TopLevel(const std::string& windowClass, const std::string& caption) {
    TCreateParams params;
    params.WindowClass = windowClass;
    params.Caption = caption;
    params.Style = ws::OverlappedWindow;
    return params;
}

class WindowConformance : public conformance::Test {
protected:
    TApplication application;
};

}  // namespace

TEST_F(WindowConformance, ATopLevelWindowIsFoundByItsClassUntilItGoes) {
    const std::string windowClass = "SkelvoraConformanceTopLevel";
    TWindowHandle handle;
    {
        Recorder recorder(TopLevel(windowClass, "Skelvora - (1/3)"));
        handle = recorder.Window.Handle();
        EXPECT_EQ(FindTopLevelWindow(windowClass), handle);
        EXPECT_EQ(WindowText(handle), "Skelvora - (1/3)");
        recorder.Window.SetText("Skelvora - море.jpg (2/3)");
        EXPECT_EQ(WindowText(handle), "Skelvora - море.jpg (2/3)");
        EXPECT_FALSE(WindowVisible(handle));
        recorder.Window.Show(TShowCommand::Show);
        EXPECT_TRUE(WindowVisible(handle));
        recorder.Window.Show(TShowCommand::Hide);
        EXPECT_FALSE(WindowVisible(handle));
    }
    EXPECT_FALSE(FindTopLevelWindow(windowClass));
    EXPECT_FALSE(FindTopLevelWindow("NoSuchClassAnywhere"));
}

TEST_F(WindowConformance, ChildWindowsAreListedInTheOrderTheyWereMade) {
    Recorder parent(TopLevel("SkelvoraConformanceParent", ""));
    std::vector<std::unique_ptr<Recorder>> children;
    std::vector<TWindowHandle> made;
    for (const char* caption : {"first", "second", "third"}) {
        TCreateParams params;
        params.WindowClass = "SkelvoraConformanceChild";
        params.Caption = caption;
        params.Style = ws::Child;
        params.Parent = parent.Window.Handle();
        children.push_back(std::make_unique<Recorder>(params));
        made.push_back(children.back()->Window.Handle());
    }
    EXPECT_EQ(ChildWindows(parent.Window.Handle()), made);
}

TEST_F(WindowConformance, SentMessagesArriveAtOnceAndPostedOnesWithTheLoopInOrder) {
    Recorder recorder;
    EXPECT_EQ(SendWindowMessage(recorder.Window.Handle(), Note, 1), 7);
    EXPECT_EQ(recorder.Got, std::vector<int>{1});
    EXPECT_TRUE(PostWindowMessage(recorder.Window.Handle(), Note, 2));
    EXPECT_TRUE(PostWindowMessage(recorder.Window.Handle(), Note, 3));
    EXPECT_EQ(recorder.Got, std::vector<int>{1});
    application.ProcessMessages();
    EXPECT_EQ(recorder.Got, (std::vector<int>{1, 2, 3}));
}

TEST_F(WindowConformance, AMessagePostedByAHandlerIsHandledInTheSameRun) {
    Recorder recorder;
    recorder.OnNote = [&](TMessage& message) {
        if (message.WParam == 1) PostWindowMessage(recorder.Window.Handle(), Note, 2);
    };
    PostWindowMessage(recorder.Window.Handle(), Note, 1);
    application.ProcessMessages();
    EXPECT_EQ(recorder.Got, (std::vector<int>{1, 2}));
}

TEST_F(WindowConformance, TheQuitMessageEndsTheLoopAfterTheMessagesPostedBeforeIt) {
    Recorder recorder;
    PostWindowMessage(recorder.Window.Handle(), Note, 1);
    application.Terminate();
    PostWindowMessage(recorder.Window.Handle(), Note, 2);
    application.ProcessMessages();
    EXPECT_TRUE(application.Terminated());
    EXPECT_EQ(recorder.Got.front(), 1);
}

TEST_F(WindowConformance, AGoneWindowTakesNoMessages) {
    TWindowHandle gone;
    {
        Recorder shortLived;
        gone = shortLived.Window.Handle();
    }
    EXPECT_FALSE(PostWindowMessage(gone, Note));
    EXPECT_EQ(SendWindowMessage(gone, Note), 0);
}
