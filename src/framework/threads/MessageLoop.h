#pragma once
// The message loop of the user-interface thread: it hands the system's
// messages to their windows, and the calls of worker threads (Synchronize)
// to the thread, until it is terminated. A failure in handling a message is
// reported and the loop goes on.
#include <atomic>
#include <memory>

#include "framework/system/Window.h"

namespace skl {

class TMessageLoop {
public:
    // The newest loop is the one MessageLoop() returns while it lives.
    TMessageLoop();
    virtual ~TMessageLoop();
    TMessageLoop(const TMessageLoop&) = delete;
    TMessageLoop& operator=(const TMessageLoop&) = delete;

    // Handles every pending message, then returns.
    void ProcessMessages();
    // Handles one message, waiting for it when none is pending; false when
    // none can come any more.
    bool HandleMessage();
    // Ends the loop once the messages posted before are handled.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Opens the way for worker threads' Synchronize calls to this loop (a
    // hidden window that their calls are posted to). Call on the
    // user-interface thread before a worker synchronises; once is enough.
    void EnableSynchronize();

protected:
    // Lets go the workers that wait for this loop; no calls are taken any more.
    void EndSynchronize();

private:
    // Handles one pending message; false when none was pending.
    bool ProcessMessage();

    std::unique_ptr<TMessageWindow> syncWindow_;
    // Read by worker threads as well.
    std::atomic<bool> terminated_{false};
    TMessageLoop* previous_;
};

// The loop alive now; a standing one when none is.
TMessageLoop& MessageLoop();

}  // namespace skl
