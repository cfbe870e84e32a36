#include "framework/controls/TimerThread.h"

#include "framework/controls/ThreadedTimer.h"
#include "framework/core/FailureReport.h"
#include "framework/system/Sleep.h"
#include "framework/threads/MessageLoop.h"

namespace skl::threadedtimer {

TTimerThread::TTimerThread(std::shared_ptr<TTimerLink> link) : link_(std::move(link)) { SetFreeOnTerminate(true); }

bool TTimerThread::Closing() const { return Terminated() || MessageLoop().Terminated() || !link_->Owner; }

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
        // A worker retired during its sleep does not tick. A failure is
        // reported once the tick is over, so that the timer can end while its
        // report is open.
        if (const std::exception_ptr failure = Tick()) ReportTickError(failure);
    }
    // Nothing is left to tick for; the thread ends when its timer terminates it.
    WaitForTermination();
}

std::exception_ptr TTimerThread::Tick() {
    // The timer does not go while the tick runs: its destruction waits for this lock.
    std::lock_guard tick(link_->TickMutex);
    TThreadedTimer* owner;
    {
        std::lock_guard hold(link_->Mutex);
        owner = link_->Owner;
        if (Closing() || !owner->Enabled()) return nullptr;
    }
    try {
        // Whether the timer lived through its tick or not, nothing of it is touched afterwards.
        if (owner->SyncEvent())
            owner->RunSynchronized([owner] { owner->FireTick(); });
        else
            owner->FireTick();
    } catch (...) {
        // A failure of a tick run on the user-interface thread comes back here too.
        return std::current_exception();
    }
    return nullptr;
}

void TTimerThread::ReportTickError(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (...) {
        ReportFailure();
    }
}

}  // namespace skl::threadedtimer
