#include "framework/controls/ThreadedTimer.h"

#include "framework/controls/WindowTimer.h"
#include "framework/core/Exceptions.h"
#include "framework/threads/MessageLoop.h"

namespace skl {

TThreadedTimer::TThreadedTimer(TComponent* owner)
    : TComponent(owner), link_(std::make_shared<threadedtimer::TTimerLink>(this)) {
    MessageLoop().EnableSynchronize();
}

TThreadedTimer::~TThreadedTimer() {
    BeginDestruction();
    EndTicks();
    {
        std::lock_guard hold(link_->Mutex);
        link_->Owner = nullptr;
        RetireWorker();
    }
}

// A worker that cannot be made leaves the setting as it was, so that setting
// it again tries again.
template <typename Value>
void TThreadedTimer::Change(std::atomic<Value>& setting, Value value) {
    const Value before = setting.exchange(value);
    if (before == value) return;
    try {
        Rearm();
    } catch (...) {
        setting = before;
        throw;
    }
}

void TThreadedTimer::SetEnabled(bool enabled) { Change(enabled_, enabled); }

void TThreadedTimer::SetInterval(std::uint32_t interval) { Change(interval_, interval); }

void TThreadedTimer::SetThreaded(bool threaded) { Change(threaded_, threaded); }

void TThreadedTimer::SetThreadPriority(TThreadPriority priority) {
    if (priority_.exchange(priority) == priority) return;
    if (threaded_) Rearm();
}

void TThreadedTimer::SetOnTimer(TNotifyEvent handler) {
    bool setOrCleared;
    {
        std::lock_guard hold(link_->Mutex);
        setOrCleared = static_cast<bool>(onTimer_) != static_cast<bool>(handler);
        onTimer_ = std::move(handler);
    }
    if (setOrCleared) Rearm();
}

void TThreadedTimer::FireTick() {
    if (!enabled_ || link_->Ended) return;
    TNotifyEvent handler;
    {
        std::lock_guard hold(link_->Mutex);
        handler = onTimer_;
    }
    if (handler) handler(*this);
}

bool TThreadedTimer::RunSynchronized(const std::function<void()>& method) {
    // The method may free the timer: what is read afterwards is the link's.
    const std::shared_ptr<threadedtimer::TTimerLink> link = link_;
    return Synchronize(method, &link->Channel) && !link->Ended;
}

void TThreadedTimer::EndTicks() {
    link_->Ended = true;
    enabled_ = false;
    {
        std::lock_guard hold(link_->Mutex);
        onTimer_ = nullptr;
    }
    // A tick that waits for this thread is let go before this thread waits for the tick.
    CloseSyncChannel(link_->Channel);
    // Inside the call that the tick waits for, the tick cannot end first.
    if (RunningSynchronized(link_->Channel)) return;
    std::lock_guard tick(link_->TickMutex);
}

// A thread costs the process its stacks (under Wine about a megabyte), so
// the worker lives only while the timer ticks. A retired worker ticks no
// more; it ends once its sleep is over, or, on the worker itself (a tick
// that stops the timer), once that tick is done.
void TThreadedTimer::RetireWorker() {
    if (!worker_) return;
    worker_->Terminate();
    worker_ = nullptr;
}

void TThreadedTimer::Rearm() {
    std::lock_guard hold(link_->Mutex);
    if (link_->Ended) return;
    const bool ticking = interval_ != 0 && enabled_ && onTimer_;
    if (!ticking || !threaded_) RetireWorker();
    if (!threaded_) return ArmWindowTimer(ticking);
    timerWindow_.reset();
    if (!ticking) return;
    if (!worker_) worker_ = TThread::Make<threadedtimer::TTimerThread>(true, link_).release();
    worker_->SetInterval(interval_);
    worker_->SetPriority(priority_);
    worker_->Resume();
}

// The window stays while the timer is disabled.
void TThreadedTimer::ArmWindowTimer(bool ticking) {
    const std::uint32_t interval = ticking ? interval_.load() : 0;
    if (timerWindow_)
        timerWindow_->SetInterval(interval);
    else
        timerWindow_ = std::make_unique<TWindowTimer>(interval, [this] { FireTick(); });
}

}  // namespace skl
