#include "framework/system/ThreadStart.h"

#include <windows.h>

#include <thread>

namespace skl {

void StartThread(std::function<void()> body) { std::thread(std::move(body)).detach(); }

void SetThreadPriority(int priority) { ::SetThreadPriority(GetCurrentThread(), priority); }

}  // namespace skl
