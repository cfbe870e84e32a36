#include "framework/threads/Thread.h"

#include <system_error>

#include "framework/core/Exceptions.h"
#include "framework/core/FailureReport.h"
#include "framework/system/ThreadStart.h"

namespace skl {

void TThread::Deleter::operator()(TThread* thread) const {
    thread->StopAndWait();
    delete thread;
}

void TThread::StopAndWait() {
    std::unique_lock hold(mutex_);
    if (!launched_ || finished_) return;
    terminated_ = true;
    suspensions_ = 0;
    changed_.notify_all();
    changed_.wait(hold, [this] { return finished_; });
}

void TThread::Launch(bool suspended) {
    std::lock_guard hold(mutex_);
    suspensions_ = suspended ? 1 : 0;
    try {
        StartThread([this] { Run(); });
    } catch (const std::system_error& error) {
        throw EThread(Format(SThreadCreateError, error.code().message().c_str()));
    }
    launched_ = true;
}

void TThread::Run() {
    WaitWhileSuspended();
    try {
        Execute();
    } catch (...) {
        // A body must not end the process; its failure goes to the report.
        ReportFailure();
    }
    std::unique_lock hold(mutex_);
    finished_ = true;
    if (freeOnTerminate_) {
        hold.unlock();
        delete this;
        return;
    }
    changed_.notify_all();
}

void TThread::Suspend() {
    std::lock_guard hold(mutex_);
    ++suspensions_;
}

void TThread::Resume() {
    std::lock_guard hold(mutex_);
    if (suspensions_ > 0 && --suspensions_ == 0) changed_.notify_all();
}

bool TThread::Suspended() const {
    std::lock_guard hold(mutex_);
    return suspensions_ > 0;
}

int SystemPriority(TThreadPriority priority) {
    constexpr int values[] = {-15, -2, -1, 0, 1, 2, 15};
    return values[static_cast<int>(priority)];
}

void TThread::Terminate() {
    std::lock_guard hold(mutex_);
    terminated_ = true;
    changed_.notify_all();
}

void TThread::SetPriority(TThreadPriority priority) {
    std::lock_guard hold(mutex_);
    priorityChanged_ = priorityChanged_ || priority != priority_;
    priority_ = priority;
}

bool TThread::Terminated() const {
    std::lock_guard hold(mutex_);
    return terminated_;
}

bool TThread::FreeOnTerminate() const {
    std::lock_guard hold(mutex_);
    return freeOnTerminate_;
}

void TThread::SetFreeOnTerminate(bool value) {
    std::lock_guard hold(mutex_);
    freeOnTerminate_ = value;
}

void TThread::WaitFor() {
    std::unique_lock hold(mutex_);
    changed_.wait(hold, [this] { return finished_; });
}

void TThread::WaitWhileSuspended() {
    std::unique_lock hold(mutex_);
    changed_.wait(hold, [this] { return suspensions_ == 0; });
    if (!priorityChanged_) return;
    priorityChanged_ = false;
    SetThreadPriority(SystemPriority(priority_));
}

void TThread::WaitForTermination() {
    std::unique_lock hold(mutex_);
    changed_.wait(hold, [this] { return terminated_; });
}

}  // namespace skl
