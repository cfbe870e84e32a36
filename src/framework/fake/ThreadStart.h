#pragma once
// Threads of the headless backend: counted, so that a test can wait until
// every thread has ended, and refusable, to test a failed creation.
#include <vector>

#include "framework/system/ThreadStart.h"

namespace skl::fake {

// While set, StartThread fails as a system out of threads does.
void RefuseThreadCreation(bool refuse);
// Threads started and not yet ended.
int RunningThreads();
// Waits until no thread runs; false when that does not happen within a few seconds.
bool WaitForThreadsToEnd();
// The priorities threads gave themselves, in order; cleared by ClearPriorities.
std::vector<int> PrioritiesSet();
void ClearPriorities();

}  // namespace skl::fake
