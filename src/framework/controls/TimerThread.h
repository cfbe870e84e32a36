#pragma once
// The worker of a TThreadedTimer: it sleeps for the interval, then delivers
// one tick, on the user-interface thread while it waits (the timer's
// SyncEvent) or on itself. It starts paused and frees itself once
// terminated; it may outlive its timer by one sleep, so it holds the link it
// shares with the timer, never the timer itself.
#include <atomic>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>

#include "framework/threads/Synchronize.h"
#include "framework/threads/Thread.h"

namespace skl {

class TThreadedTimer;

namespace threadedtimer {

struct TTimerLink {
    explicit TTimerLink(TThreadedTimer* owner) : Owner(owner) {}
    // Guards Owner and the worker's run state (its pause and interval).
    std::mutex Mutex;
    // None once the timer is being destroyed.
    TThreadedTimer* Owner;
    // The timer ended its ticks: no tick starts, and one under way returns.
    std::atomic<bool> Ended{false};
    // Held by the worker for the whole of a tick; taken before Mutex.
    std::mutex TickMutex;
    // The worker's calls to the user-interface thread.
    TSyncChannel Channel;
};

class TTimerThread final : public TThread {
public:
    explicit TTimerThread(std::shared_ptr<TTimerLink> link);

    // The length of each sleep; set with the link's lock held.
    void SetInterval(std::uint32_t interval) { interval_ = interval; }

protected:
    void Execute() override;

private:
    // The worker is terminated, the application is terminating, or the
    // timer is gone. Call with the link's lock held.
    bool Closing() const;
    // The failure of the tick, if it failed.
    std::exception_ptr Tick();
    // Reports the failure of a tick, on this thread; EAbort stays silent.
    void ReportTickError(std::exception_ptr failure);

    std::shared_ptr<TTimerLink> link_;
    std::uint32_t interval_ = 1000;
};

}  // namespace threadedtimer
}  // namespace skl
