#pragma once
// Operating-system threads. Each backend makes them its own way.
#include <functional>

namespace skl {

// Runs `body` on a new thread that nobody joins. Throws std::system_error
// when the system cannot make the thread.
void StartThread(std::function<void()> body);
// Gives the calling thread the system's priority `priority` (-15 to 15).
void SetThreadPriority(int priority);

}  // namespace skl
