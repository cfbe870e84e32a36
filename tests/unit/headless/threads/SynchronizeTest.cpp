#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "../FreshFakes.h"
#include "framework/application/Application.h"
#include "framework/core/Exceptions.h"
#include "framework/fake/Desktop.h"
#include "framework/threads/Synchronize.h"

using namespace skl;

namespace {

class ThreadSynchronize : public FreshFakes {
protected:
    ThreadSynchronize() { application.EnableSynchronize(); }

    // Synchronize on a thread of its own.
    std::future<bool> FromWorker(std::function<void()> method, TSyncChannel* channel = nullptr) {
        return std::async(std::launch::async, [method = std::move(method), channel] {
            return Synchronize(method, channel);
        });
    }

    TApplication application;
};

}  // namespace

TEST_F(ThreadSynchronize, AWorkersCallRunsInTheMessageLoopAndTheWorkerWaitsForIt) {
    std::thread::id ranOn;
    auto done = FromWorker([&] { ranOn = std::this_thread::get_id(); });
    ASSERT_TRUE(fake::WaitForPendingMessages());
    EXPECT_EQ(done.wait_for(std::chrono::milliseconds(20)), std::future_status::timeout);
    application.ProcessMessages();
    EXPECT_TRUE(done.get());
    EXPECT_EQ(ranOn, std::this_thread::get_id());

    bool atOnce = false;
    EXPECT_TRUE(Synchronize([&] { atOnce = true; }));
    EXPECT_TRUE(atOnce) << "on the user-interface thread a call runs at once";
}

TEST_F(ThreadSynchronize, AFailureOfTheCallIsRaisedAgainInTheWorker) {
    auto done = FromWorker([] { throw EReadError(SReadError); });
    ASSERT_TRUE(fake::WaitForPendingMessages());
    application.ProcessMessages();
    EXPECT_THROW(
        try { done.get(); } catch (const EReadError& error) {
            EXPECT_EQ(error.Message(), "Stream read error");
            throw;
        },
        EReadError);
    EXPECT_TRUE(fake::MessageBoxesShown().empty()) << "the worker decides what to do with it";
}

TEST_F(ThreadSynchronize, AClosedChannelLetsItsWaitingCallsGoUnrunAndRefusesNewOnes) {
    TSyncChannel channel, other;
    bool ran = false;
    auto withdrawn = FromWorker([&] { ran = true; }, &channel);
    auto kept = FromWorker([] {}, &other);
    ASSERT_TRUE(fake::WaitForPendingMessages(2));
    CloseSyncChannel(channel);
    EXPECT_FALSE(withdrawn.get());
    EXPECT_FALSE(FromWorker([&] { ran = true; }, &channel).get());
    application.ProcessMessages();
    EXPECT_TRUE(kept.get());
    EXPECT_FALSE(ran);
}

TEST_F(ThreadSynchronize, TheApplicationsEndLetsWaitingWorkersGo) {
    std::future<bool> done;
    {
        TApplication shortLived;
        shortLived.EnableSynchronize();
        done = FromWorker([] {});
        ASSERT_TRUE(fake::WaitForPendingMessages(1));
    }
    EXPECT_FALSE(done.get());
    EXPECT_FALSE(FromWorker([] {}).get()) << "no loop takes calls any more";
}
