#include "framework/headless/IconHandle.h"

#include <algorithm>
#include <mutex>

namespace skl::headless {

namespace {

std::mutex mutex;
TIconHandle lastHandle = 0;
std::vector<TIconHandle> live;

}  // namespace

std::vector<TIconHandle> LiveIconHandles() {
    std::lock_guard hold(mutex);
    return live;
}

}  // namespace skl::headless

namespace skl {

TIconHandle CreateIconHandle(const std::uint8_t*, std::size_t size) {
    if (size == 0) return 0;
    std::lock_guard hold(headless::mutex);
    headless::live.push_back(++headless::lastHandle);
    return headless::lastHandle;
}

void DestroyIconHandle(TIconHandle icon) {
    std::lock_guard hold(headless::mutex);
    std::erase(headless::live, icon);
}

}  // namespace skl
