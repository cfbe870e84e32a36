#include <gtest/gtest.h>

#include <vector>

#include "FreshFakes.h"
#include "framework/fake/Desktop.h"
#include "framework/application/Application.h"
#include "framework/core/Exceptions.h"
#include "framework/system/Window.h"

using namespace skl;
using fake::MessageBoxesShown;

namespace {

constexpr unsigned Fail = wm::User;
constexpr unsigned Note = wm::User + 1;

// A utility window that notes the messages it gets and fails on `Fail`.
class Recorder {
public:
    std::vector<TMessage> Got;
    TWindow Window{UtilityWindow(), [this](TMessage& message) {
                       Got.push_back(message);
                       if (message.Msg == Fail) throw EConvertError("'x' is not a valid integer value");
                       message.Result = 7;
                   }};

    std::vector<unsigned> Numbers(unsigned msg) const {
        std::vector<unsigned> numbers;
        for (const TMessage& message : Got)
            if (message.Msg == msg) numbers.push_back(static_cast<unsigned>(message.WParam));
        return numbers;
    }
};

class MessageLoop : public FreshFakes {
protected:
    MessageLoop() { application.SetTitle("Skelvora"); }
    TApplication application;
    Recorder recorder;
};

}  // namespace

TEST_F(MessageLoop, PostedMessagesArriveInOrder) {
    PostWindowMessage(recorder.Window.Handle(), Note, 1, 10);
    PostWindowMessage(recorder.Window.Handle(), Note, 2, 20);
    application.ProcessMessages();
    EXPECT_EQ(recorder.Numbers(Note), (std::vector<unsigned>{1, 2}));
    EXPECT_EQ(recorder.Got.back().LParam, 20);
    EXPECT_EQ(fake::PendingMessages(), 0u);
}

TEST_F(MessageLoop, AFailingHandlerIsReportedAndTheNextMessagesStillArrive) {
    PostWindowMessage(recorder.Window.Handle(), Fail);
    PostWindowMessage(recorder.Window.Handle(), Note, 1);
    PostWindowMessage(recorder.Window.Handle(), Fail);
    PostWindowMessage(recorder.Window.Handle(), Note, 2);
    application.ProcessMessages();
    EXPECT_EQ(recorder.Numbers(Note), (std::vector<unsigned>{1, 2}));
    ASSERT_EQ(MessageBoxesShown().size(), 2u);
    EXPECT_EQ(MessageBoxesShown()[0].Text, "'x' is not a valid integer value.");
    EXPECT_EQ(MessageBoxesShown()[0].Caption, "Skelvora");
}

TEST_F(MessageLoop, ASentMessageComesBackWithItsResultAndAFailureStaysWithTheReport) {
    EXPECT_EQ(SendWindowMessage(recorder.Window.Handle(), Note), 7);
    EXPECT_EQ(SendWindowMessage(recorder.Window.Handle(), Fail), 0);
    EXPECT_EQ(MessageBoxesShown().size(), 1u);
}

TEST_F(MessageLoop, AGoneWindowTakesNoMessages) {
    TWindowHandle gone;
    {
        Recorder shortLived;
        gone = shortLived.Window.Handle();
        PostWindowMessage(gone, Note);
    }
    EXPECT_EQ(fake::PendingMessages(), 0u);
    EXPECT_FALSE(PostWindowMessage(gone, Note));
    EXPECT_EQ(SendWindowMessage(gone, Note), 0);
}

TEST_F(MessageLoop, TerminateEndsTheLoopAfterTheMessagesPostedBefore) {
    PostWindowMessage(recorder.Window.Handle(), Note, 1);
    application.Terminate();
    PostWindowMessage(recorder.Window.Handle(), Note, 2);
    application.CreateForm<TForm>();
    fake::SetIdleHandler([] { FAIL() << "the loop went idle before the quit message"; });
    application.Run();
    EXPECT_TRUE(application.Terminated());
    EXPECT_EQ(recorder.Numbers(Note), (std::vector<unsigned>{1}));
}

TEST_F(MessageLoop, TheIdleHandlerActsWhileTheLoopRuns) {
    application.CreateForm<TForm>();
    int idleCalls = 0;
    fake::SetIdleHandler([&] {
        if (++idleCalls < 3)
            PostWindowMessage(recorder.Window.Handle(), Note, idleCalls);
        else
            application.Terminate();
    });
    application.Run();
    EXPECT_EQ(recorder.Numbers(Note), (std::vector<unsigned>{1, 2}));
    EXPECT_TRUE(application.Terminated());
}

TEST_F(MessageLoop, WithoutAMainFormRunReturnsAtOnce) {
    PostWindowMessage(recorder.Window.Handle(), Note, 1);
    application.Run();
    EXPECT_TRUE(recorder.Numbers(Note).empty());
    EXPECT_EQ(fake::PendingMessages(), 1u);
    EXPECT_FALSE(application.Terminated());
}

TEST_F(MessageLoop, ATimerTicksOncePerPeriodAndTicksDoNotPileUp) {
    ASSERT_TRUE(recorder.Window.SetTimer(1, 300000));
    EXPECT_EQ(fake::TimerPeriod(recorder.Window.Handle(), 1), 300000u);
    fake::AdvanceClock(299999);
    application.ProcessMessages();
    EXPECT_TRUE(recorder.Numbers(wm::Timer).empty());
    fake::AdvanceClock(1);
    application.ProcessMessages();
    EXPECT_EQ(recorder.Numbers(wm::Timer), (std::vector<unsigned>{1}));
    fake::AdvanceClock(300000);
    fake::AdvanceClock(300000);
    EXPECT_EQ(fake::PendingMessages(), 1u);
    application.ProcessMessages();
    EXPECT_EQ(recorder.Numbers(wm::Timer), (std::vector<unsigned>{1, 1}));
}

TEST_F(MessageLoop, ATimerSetAgainRestartsAndAKilledTimerIsSilent) {
    recorder.Window.SetTimer(3, 1000);
    fake::AdvanceClock(600);
    recorder.Window.SetTimer(3, 1000);
    fake::AdvanceClock(600);
    EXPECT_EQ(fake::PendingMessages(), 0u);
    fake::AdvanceClock(400);
    EXPECT_EQ(fake::PendingMessages(), 1u);
    application.ProcessMessages();
    recorder.Window.KillTimer(3);
    EXPECT_FALSE(fake::TimerPeriod(recorder.Window.Handle(), 3));
    fake::AdvanceClock(5000);
    application.ProcessMessages();
    EXPECT_EQ(recorder.Numbers(wm::Timer), (std::vector<unsigned>{3}));
}
