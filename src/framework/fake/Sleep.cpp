#include "framework/fake/Sleep.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace skl::fake {

namespace {

struct Sleeps {
    std::mutex mutex;
    std::condition_variable changed;
    bool held = false;
    int permits = 0;
    int waiting = 0;
    std::vector<std::uint32_t> requests;
};

Sleeps& State() {
    static Sleeps* state = new Sleeps;  // outlives detached threads at exit
    return *state;
}

}  // namespace

void HoldSleeps(bool hold) {
    std::lock_guard guard(State().mutex);
    State().held = hold;
    State().permits = 0;
    State().changed.notify_all();
}

void ReleaseSleeps(int count) {
    std::lock_guard guard(State().mutex);
    State().permits += count;
    State().changed.notify_all();
}

int WaitingSleeps() {
    std::lock_guard guard(State().mutex);
    return State().waiting;
}

bool WaitForWaitingSleeps(int count) {
    std::unique_lock guard(State().mutex);
    return State().changed.wait_for(guard, std::chrono::seconds(10), [&] { return State().waiting >= count; });
}

bool WaitForSleepRequests(std::size_t count) {
    std::unique_lock guard(State().mutex);
    return State().changed.wait_for(guard, std::chrono::seconds(10),
                                    [&] { return State().requests.size() >= count; });
}

std::vector<std::uint32_t> SleepRequests() {
    std::lock_guard guard(State().mutex);
    return State().requests;
}

void ClearSleepRequests() {
    std::lock_guard guard(State().mutex);
    State().requests.clear();
}

}  // namespace skl::fake

namespace skl {

void SleepEx(std::uint32_t milliseconds) {
    auto& state = fake::State();
    std::unique_lock guard(state.mutex);
    state.requests.push_back(milliseconds);
    state.changed.notify_all();
    if (!state.held) {
        guard.unlock();
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        return;
    }
    ++state.waiting;
    state.changed.notify_all();
    state.changed.wait(guard, [&] { return !state.held || state.permits > 0; });
    if (state.held) --state.permits;
    --state.waiting;
    state.changed.notify_all();
}

}  // namespace skl
