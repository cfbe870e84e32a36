#include <gtest/gtest.h>

#include "../FreshFakes.h"
#include "framework/application/Application.h"
#include "framework/core/Exceptions.h"
#include "framework/fake/Desktop.h"
#include "framework/fake/ThreadStart.h"
#include "framework/threads/Thread.h"

using namespace skl;

namespace {

class FailingThread : public TThread {
protected:
    void Execute() override { throw EOutOfResources("Out of system resources"); }
};

// Reports a failure of the given text as the application does for a body.
class ReportingThread : public TThread {
public:
    explicit ReportingThread(std::string text) : text_(std::move(text)) {}

protected:
    void Execute() override { throw EReadError(text_); }

private:
    std::string text_;
};

class EmptyThread : public TThread {
protected:
    void Execute() override {}
};

class ThreadFailure : public FreshFakes {
protected:
    ThreadFailure() { application.SetTitle("Skelvora"); }
    ~ThreadFailure() override {
        fake::RefuseThreadCreation(false);
        EXPECT_TRUE(fake::WaitForThreadsToEnd());
    }
    TApplication application;
};

}  // namespace

TEST_F(ThreadFailure, AFailureOfTheBodyIsReportedByTheApplication) {
    auto thread = TThread::Make<FailingThread>(false);
    thread->WaitFor();
    EXPECT_EQ(fake::MessageBoxesShown(),
              (std::vector<fake::TMessageBoxShown>{{"Out of system resources.", "Skelvora", TMessageBoxIcon::Error}}));
}

TEST_F(ThreadFailure, AThreadTheSystemCannotMakeFailsWithTheSystemsText) {
    ASSERT_TRUE(fake::WaitForThreadsToEnd());
    fake::RefuseThreadCreation(true);
    try {
        TThread::Make<EmptyThread>(true);
        FAIL() << "no exception";
    } catch (const EThread& error) {
        EXPECT_EQ(error.Message(), "Thread creation error: Resource temporarily unavailable");
    }
    EXPECT_EQ(fake::RunningThreads(), 0);
}

TEST_F(ThreadFailure, AWorkersFailureWhoseReportIsOpenOnAnotherThreadAddsNoBox) {
    int opened = 0;
    fake::SetWhileMessageBoxOpen([&](const fake::TMessageBoxShown&) {
        if (opened++ > 0) return;
        TThread::Make<ReportingThread>(false, "Stream read error")->WaitFor();
        TThread::Make<ReportingThread>(false, "Stream read error at 7")->WaitFor();
    });
    try {
        throw EReadError("Stream read error");
    } catch (...) {
        application.HandleException();
    }
    std::vector<std::string> texts;
    for (const auto& box : fake::MessageBoxesShown()) texts.push_back(box.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Stream read error.", "Stream read error at 7."}));
}
