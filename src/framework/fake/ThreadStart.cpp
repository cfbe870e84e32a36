#include "framework/fake/ThreadStart.h"

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace skl::fake {

namespace {

struct Threads {
    std::mutex mutex;
    std::condition_variable ended;
    bool refuse = false;
    int running = 0;
    std::vector<int> priorities;
};

Threads& State() {
    static Threads* state = new Threads;  // outlives detached threads at exit
    return *state;
}

}  // namespace

void RefuseThreadCreation(bool refuse) {
    std::lock_guard guard(State().mutex);
    State().refuse = refuse;
}

int RunningThreads() {
    std::lock_guard guard(State().mutex);
    return State().running;
}

bool WaitForThreadsToEnd() {
    std::unique_lock guard(State().mutex);
    return State().ended.wait_for(guard, std::chrono::seconds(10), [] { return State().running == 0; });
}

std::vector<int> PrioritiesSet() {
    std::lock_guard guard(State().mutex);
    return State().priorities;
}

void ClearPriorities() {
    std::lock_guard guard(State().mutex);
    State().priorities.clear();
}

}  // namespace skl::fake

namespace skl {

void SetThreadPriority(int priority) {
    std::lock_guard guard(fake::State().mutex);
    fake::State().priorities.push_back(priority);
}

void StartThread(std::function<void()> body) {
    auto& state = fake::State();
    {
        std::lock_guard guard(state.mutex);
        if (state.refuse) throw std::system_error(EAGAIN, std::generic_category());
        ++state.running;
    }
    try {
        std::thread([&state, body = std::move(body)] {
            body();
            std::lock_guard guard(state.mutex);
            --state.running;
            state.ended.notify_all();
        }).detach();
    } catch (...) {
        std::lock_guard guard(state.mutex);
        --state.running;
        throw;
    }
}

}  // namespace skl
