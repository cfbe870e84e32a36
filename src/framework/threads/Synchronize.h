#pragma once
// Methods that worker threads hand to the user-interface thread: each call is
// posted to the message loop, run there when the loop handles its messages,
// and the worker waits until it has run. An application takes such calls once
// it has opened its way for them (TApplication::EnableSynchronize) and until
// it ends; a worker waiting then is let go.
#include <functional>

#include "framework/core/Messages.h"

namespace skl {

// The thread that started the program, which runs the message loop.
bool InMainThread();

// Calls handed over through one channel can all be withdrawn at once, so that
// whoever waits for a worker never waits for a worker that waits for it.
class TSyncChannel {
public:
    TSyncChannel() = default;
    TSyncChannel(const TSyncChannel&) = delete;
    TSyncChannel& operator=(const TSyncChannel&) = delete;

private:
    friend struct TSyncQueue;
    bool closed_ = false;  // guarded by the queue's lock
    int running_ = 0;      // calls under way; touched on the user-interface thread only
};

// Runs `method` on the user-interface thread and returns once it has run
// there; a failure it raises is raised again here. On the user-interface
// thread it runs at once. False, without running it, when the channel is
// closed, or is closed while the call waits, or no application takes calls.
bool Synchronize(const std::function<void()>& method, TSyncChannel* channel = nullptr);

// Withdraws the channel's waiting calls (their Synchronize returns false) and
// refuses its later ones.
void CloseSyncChannel(TSyncChannel& channel);
// True on the user-interface thread while it runs a call handed over through
// the channel: the worker that made the call waits for the caller.
bool RunningSynchronized(const TSyncChannel& channel);

// The application's side, on the user-interface thread.
// Calls are posted to `window` as `message` from now on.
void OpenSynchronize(TWindowHandle window, unsigned message);
// No calls are taken any more; waiting ones are let go unrun.
void CloseSynchronize();
// Runs every call waiting now.
void RunSynchronizedCalls();

}  // namespace skl
