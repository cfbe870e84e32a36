#include "framework/controls/TimerThread.h"

#include "framework/application/Application.h"
#include "framework/controls/ThreadedTimer.h"
#include "framework/system/Sleep.h"

namespace skl::threadedtimer {

TTimerThread::TTimerThread(std::shared_ptr<TTimerLink> link) : link_(std::move(link)) { SetFreeOnTerminate(true); }

bool TTimerThread::Closing() const { return Terminated() || Application().Terminated() || !link_->Owner; }

void TTimerThread::Execute() {
    while (!Terminated()) {
        WaitWhileSuspended();
        std::uint32_t interval;
        {
            std::lock_guard hold(link_->Mutex);
            if (Closing()) break;
            interval = interval_;
        }
        SleepEx(interval);
        // A pause asked for during the sleep holds before the tick.
        if (!Suspended()) Tick();
    }
    // Nothing is left to tick for; the thread ends when its timer terminates it.
    WaitForTermination();
}

void TTimerThread::Tick() {
    // The timer does not go while the tick runs: its destruction waits for this lock.
    std::lock_guard tick(link_->TickMutex);
    TThreadedTimer* owner;
    {
        std::lock_guard hold(link_->Mutex);
        owner = link_->Owner;
        if (Closing() || !owner->Enabled()) return;
    }
    try {
        if (owner->SyncEvent())
            owner->RunSynchronized([owner] { owner->FireTick(); });
        else
            owner->FireTick();
    } catch (...) {
        // A failure of a tick run on the user-interface thread comes back here too.
        ReportTickError();
    }
}

void TTimerThread::ReportTickError() { Application().HandleException(); }

}  // namespace skl::threadedtimer
