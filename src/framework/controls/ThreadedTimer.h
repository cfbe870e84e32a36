#pragma once
// A timer that raises OnTimer every Interval milliseconds while it is
// enabled, has a handler and a non-zero interval. Threaded, a worker thread of
// its own, there only while the timer ticks, sleeps for the interval and
// delivers each tick, on the user-interface thread while the worker waits
// (SyncEvent) or on the worker itself; otherwise a window timer of the
// user-interface thread ticks.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "framework/controls/Component.h"
#include "framework/controls/Events.h"
#include "framework/controls/TimerThread.h"
#include "framework/controls/WindowTimer.h"
#include "framework/threads/Thread.h"

namespace skl {

class TThreadedTimer : public TComponent {
public:
    explicit TThreadedTimer(TComponent* owner);
    // No tick runs once it returns; the worker ends after its current sleep.
    ~TThreadedTimer() override;
    const char* ClassName() const override { return "TThreadedTimer"; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t interval);
    // Replacing one handler by another keeps the ticks as they are.
    void SetOnTimer(TNotifyEvent handler);
    // Threaded ticks run on the user-interface thread (the worker waits) or on the worker.
    bool SyncEvent() const { return syncEvent_; }
    void SetSyncEvent(bool sync) { syncEvent_ = sync; }
    bool Threaded() const { return threaded_; }
    void SetThreaded(bool threaded);
    // The worker's priority, given to it whenever it starts ticking.
    TThreadPriority ThreadPriority() const { return priority_; }
    void SetThreadPriority(TThreadPriority priority);

    // For a tick on the worker: runs `method` on the user-interface thread
    // and waits until it has run; on the user-interface thread it runs at
    // once. False when the timer ended its ticks before or while the method
    // ran (it may have freed the timer and its owner): the tick then returns
    // at once, touching nothing of either.
    bool RunSynchronized(const std::function<void()>& method);
    // No tick starts from now on, and a tick in progress on the worker has
    // returned, or, when ended from inside a call that the tick waits for,
    // returns as soon as that call is done. An owner whose handler uses what
    // the owner frees before the timer goes calls it first; destruction does
    // it too.
    void EndTicks();

protected:
    // Calls the handler while the timer is enabled, not ending and has one.
    virtual void FireTick();

private:
    friend class threadedtimer::TTimerThread;

    template <typename Value>
    void Change(std::atomic<Value>& setting, Value value);
    void Rearm();
    void RetireWorker();
    void ArmWindowTimer(bool ticking);

    std::atomic<bool> enabled_{true};
    std::atomic<std::uint32_t> interval_{1000};
    TNotifyEvent onTimer_;  // guarded by the link's lock
    std::unique_ptr<TWindowTimer> timerWindow_;
    std::atomic<bool> syncEvent_{true};
    std::atomic<bool> threaded_{true};
    std::atomic<TThreadPriority> priority_{TThreadPriority::tpNormal};
    std::shared_ptr<threadedtimer::TTimerLink> link_;
    threadedtimer::TTimerThread* worker_ = nullptr;  // while the timer ticks
};

}  // namespace skl
