#include "framework/fake/IconHandle.h"

#include <algorithm>
#include <mutex>

namespace skl::fake {

namespace {

std::mutex mutex;
std::uintptr_t lastHandle = 0;
std::vector<TIconHandle> live;

}  // namespace

std::vector<TIconHandle> LiveIconHandles() {
    std::lock_guard hold(mutex);
    return live;
}

}  // namespace skl::fake

namespace skl {

TIconHandle CreateIconHandle(const std::uint8_t*, std::size_t size) {
    if (size == 0) return {};
    std::lock_guard hold(fake::mutex);
    fake::live.push_back(TIconHandle(++fake::lastHandle));
    return fake::live.back();
}

void DestroyIconHandle(TIconHandle icon) {
    std::lock_guard hold(fake::mutex);
    std::erase(fake::live, icon);
}

}  // namespace skl
