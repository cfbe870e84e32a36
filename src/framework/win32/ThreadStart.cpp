#include "framework/system/ThreadStart.h"

#include <thread>

namespace skl {

void StartThread(std::function<void()> body) { std::thread(std::move(body)).detach(); }

}  // namespace skl
