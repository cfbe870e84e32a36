#pragma once
// Pauses of worker threads. They are real pauses until a test holds them;
// then every pause waits until the test lets one pass, so that a test decides
// when a thread's next step comes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/system/Sleep.h"

namespace skl::fake {

// Holding off lets every waiting pause pass.
void HoldSleeps(bool hold);
// Lets `count` pauses pass, now or when they come.
void ReleaseSleeps(int count);
// Pauses that wait for a release right now.
int WaitingSleeps();
// Waits until `count` pauses wait for a release; false when that does not
// happen within a few seconds.
bool WaitForWaitingSleeps(int count);
// Waits until `count` pauses have been asked for since the last clear; false
// when that does not happen within a few seconds.
bool WaitForSleepRequests(std::size_t count);
// The length of every pause asked for, in order.
std::vector<std::uint32_t> SleepRequests();
void ClearSleepRequests();

}  // namespace skl::fake
