#pragma once
// Worker threads' sleeps held by the test (fake::HoldSleeps): each sleep
// passes when the test lets it, so a worker's next step comes exactly when
// the test says.
#include <gtest/gtest.h>

#include "framework/application/Application.h"
#include "framework/fake/Desktop.h"
#include "framework/fake/Sleep.h"

namespace held {

// Waits until `count` sleeps have been asked for.
inline void AwaitSleep(std::size_t count) { ASSERT_TRUE(skl::fake::WaitForSleepRequests(count)); }

// Lets the sleep under way pass and waits until the worker, its tick done,
// sleeps again.
inline void Tick() {
    const std::size_t slept = skl::fake::SleepRequests().size();
    skl::fake::ReleaseSleeps(1);
    AwaitSleep(slept + 1);
}

// The same for a tick that the worker hands to the message loop.
inline void SynchronisedTick(skl::TApplication& application) {
    const std::size_t slept = skl::fake::SleepRequests().size();
    skl::fake::ReleaseSleeps(1);
    ASSERT_TRUE(skl::fake::WaitForPendingMessages());
    application.ProcessMessages();
    AwaitSleep(slept + 1);
}

}  // namespace held
