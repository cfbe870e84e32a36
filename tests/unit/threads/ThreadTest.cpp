#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "framework/core/Exceptions.h"
#include "framework/threads/Thread.h"

using namespace skl;

namespace {

constexpr auto Patience = std::chrono::seconds(10);

// Counts its rounds; each round passes the suspension checkpoint.
class RoundThread : public TThread {
public:
    explicit RoundThread(std::promise<void>* ended = nullptr) : ended_(ended) {}
    ~RoundThread() override {
        if (ended_) ended_->set_value();
    }
    std::atomic<int> rounds{0};
    std::atomic<bool> sawTerminated{false};

protected:
    void Execute() override {
        while (!Terminated()) {
            ++rounds;
            WaitWhileSuspended();
        }
        sawTerminated = true;
    }

private:
    std::promise<void>* ended_;
};

struct Outcome {
    std::atomic<int> runs{0};
    std::atomic<bool> terminatedAtStart{false};
};

class OnceThread : public TThread {
public:
    explicit OnceThread(Outcome& outcome) : outcome_(outcome) {}

protected:
    void Execute() override {
        outcome_.terminatedAtStart = Terminated();
        ++outcome_.runs;
    }

private:
    Outcome& outcome_;
};

}  // namespace

TEST(Thread, SuspensionIsCounted) {
    Outcome outcome;
    auto thread = TThread::Make<OnceThread>(true, outcome);
    EXPECT_TRUE(thread->Suspended());
    thread->Suspend();
    thread->Resume();
    EXPECT_TRUE(thread->Suspended());
    EXPECT_EQ(outcome.runs, 0);
    thread->Resume();
    EXPECT_FALSE(thread->Suspended());
    thread->WaitFor();
    EXPECT_EQ(outcome.runs, 1);
    EXPECT_FALSE(outcome.terminatedAtStart);
    thread->Resume();  // an unmatched resume changes nothing
    EXPECT_FALSE(thread->Suspended());
}

TEST(Thread, DestroyingASuspendedThreadLetsItGoTerminated) {
    Outcome outcome;
    auto thread = TThread::Make<OnceThread>(true, outcome);
    thread.reset();
    EXPECT_EQ(outcome.runs, 1);
    EXPECT_TRUE(outcome.terminatedAtStart);
}

TEST(Thread, TheBodySeesTheTerminateFlag) {
    auto thread = TThread::Make<RoundThread>(false);
    thread->Terminate();
    EXPECT_TRUE(thread->Terminated());
    thread->WaitFor();
    EXPECT_TRUE(thread->sawTerminated);
}

TEST(Thread, ARunningThreadIsStoppedAndAwaitedWhenDeleted) {
    std::promise<void> ended;
    auto freed = ended.get_future();
    auto thread = TThread::Make<RoundThread>(false, &ended);
    while (thread->rounds < 3) std::this_thread::yield();
    thread.reset();
    EXPECT_EQ(freed.wait_for(std::chrono::seconds(0)), std::future_status::ready);
}

TEST(Thread, AFreeOnTerminateThreadFreesItself) {
    std::promise<void> ended;
    auto freed = ended.get_future();
    RoundThread* thread = TThread::Make<RoundThread>(true, &ended).release();
    thread->SetFreeOnTerminate(true);
    thread->Resume();
    thread->Terminate();
    EXPECT_EQ(freed.wait_for(Patience), std::future_status::ready);
}
