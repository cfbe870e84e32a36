#include <gtest/gtest.h>

#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/Thread.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/ThreadStart.h"

using namespace skl;

namespace {

class FailingThread : public TThread {
protected:
    void Execute() override { throw EOutOfResources("Out of system resources"); }
};

class EmptyThread : public TThread {
protected:
    void Execute() override {}
};

class ThreadFailure : public ::testing::Test {
protected:
    ThreadFailure() {
        headless::ResetDesktop();
        application.SetTitle("Skelvora");
    }
    ~ThreadFailure() override {
        headless::RefuseThreadCreation(false);
        EXPECT_TRUE(headless::WaitForThreadsToEnd());
        headless::ResetDesktop();
    }
    TApplication application;
};

}  // namespace

TEST_F(ThreadFailure, AFailureOfTheBodyIsReportedByTheApplication) {
    auto thread = TThread::Make<FailingThread>(false);
    thread->WaitFor();
    EXPECT_EQ(headless::MessageBoxesShown(),
              (std::vector<headless::TMessageBoxShown>{{"Out of system resources.", "Skelvora", TMessageBoxIcon::Error}}));
}

TEST_F(ThreadFailure, AThreadTheSystemCannotMakeFailsWithTheSystemsText) {
    ASSERT_TRUE(headless::WaitForThreadsToEnd());
    headless::RefuseThreadCreation(true);
    try {
        TThread::Make<EmptyThread>(true);
        FAIL() << "no exception";
    } catch (const EThread& error) {
        EXPECT_EQ(error.Message(), "Thread creation error: Resource temporarily unavailable");
    }
    EXPECT_EQ(headless::RunningThreads(), 0);
}
