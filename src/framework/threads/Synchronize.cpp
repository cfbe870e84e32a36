#include "framework/threads/Synchronize.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

#include "framework/system/Window.h"

namespace skl {

namespace {

// Static initialisation runs on the thread that starts the program.
const std::thread::id mainThread = std::this_thread::get_id();

struct TCall {
    const std::function<void()>* Method;
    TSyncChannel* Channel;
    bool Done = false;
    bool Ran = false;
    std::exception_ptr Failure;
};

}  // namespace

struct TSyncQueue {
    std::mutex Mutex;
    std::condition_variable Finished;
    std::deque<TCall*> Calls;
    TWindowHandle Window;
    unsigned Message = 0;

    static TSyncQueue& Instance() {
        static TSyncQueue* queue = new TSyncQueue;  // outlives detached threads at exit
        return *queue;
    }
    static bool Closed(const TSyncChannel* channel) { return channel && channel->closed_; }
    static void Close(TSyncChannel& channel) { channel.closed_ = true; }
    static int& Running(TSyncChannel& channel) { return channel.running_; }
    static bool Runs(const TSyncChannel& channel) { return channel.running_ > 0; }

    // Lets the waiting calls that `which` picks go unrun. Call with the lock held.
    template <class Which>
    void Withdraw(Which which) {
        for (TCall* call : Calls)
            if (which(*call)) call->Done = true;
        std::erase_if(Calls, [](const TCall* call) { return call->Done; });
        Finished.notify_all();
    }
};

bool InMainThread() { return std::this_thread::get_id() == mainThread; }

bool Synchronize(const std::function<void()>& method, TSyncChannel* channel) {
    if (InMainThread()) {
        method();
        return true;
    }
    TSyncQueue& queue = TSyncQueue::Instance();
    TCall call{&method, channel, false, false, nullptr};
    std::unique_lock hold(queue.Mutex);
    if (!queue.Window || TSyncQueue::Closed(channel)) return false;
    queue.Calls.push_back(&call);
    if (!PostWindowMessage(queue.Window, queue.Message)) {
        std::erase(queue.Calls, &call);
        return false;
    }
    queue.Finished.wait(hold, [&] { return call.Done; });
    if (call.Failure) std::rethrow_exception(call.Failure);
    return call.Ran;
}

void CloseSyncChannel(TSyncChannel& channel) {
    TSyncQueue& queue = TSyncQueue::Instance();
    std::lock_guard hold(queue.Mutex);
    TSyncQueue::Close(channel);
    queue.Withdraw([&](const TCall& call) { return call.Channel == &channel; });
}

bool RunningSynchronized(const TSyncChannel& channel) { return InMainThread() && TSyncQueue::Runs(channel); }

void OpenSynchronize(TWindowHandle window, unsigned message) {
    TSyncQueue& queue = TSyncQueue::Instance();
    std::lock_guard hold(queue.Mutex);
    queue.Window = window;
    queue.Message = message;
}

void CloseSynchronize() {
    TSyncQueue& queue = TSyncQueue::Instance();
    std::lock_guard hold(queue.Mutex);
    queue.Window = {};
    queue.Withdraw([](const TCall&) { return true; });
}

void RunSynchronizedCalls() {
    TSyncQueue& queue = TSyncQueue::Instance();
    std::unique_lock hold(queue.Mutex);
    while (!queue.Calls.empty()) {
        TCall* call = queue.Calls.front();
        queue.Calls.pop_front();
        hold.unlock();
        std::exception_ptr failure;
        if (call->Channel) ++TSyncQueue::Running(*call->Channel);
        try {
            (*call->Method)();
        } catch (...) {
            failure = std::current_exception();
        }
        if (call->Channel) --TSyncQueue::Running(*call->Channel);
        hold.lock();
        call->Ran = !failure;
        call->Failure = failure;
        call->Done = true;
        queue.Finished.notify_all();
    }
}

}  // namespace skl
