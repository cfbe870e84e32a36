#include "ui/TrayIconThread.h"

#include <thread>

#include "framework/ApplicationServices.h"
#include "framework/Sleep.h"
#include "ui/TrayIcon.h"

namespace skl::shellicon {

TTimerThread::TTimerThread(TTrayIcon& tray, std::shared_ptr<std::recursive_mutex> lock)
    : tray_(&tray), lock_(std::move(lock)) {
    SetFreeOnTerminate(true);
}

bool TTimerThread::StopRequested() const { return Terminated() || ApplicationTerminated() || !tray_; }

void TTimerThread::Execute() {
    while (!Terminated()) {
        WaitWhileSuspended();
        std::uint32_t pause;
        {
            std::lock_guard hold(*lock_);
            if (StopRequested()) {
                std::this_thread::yield();
                continue;
            }
            pause = tray_->Interval();
        }
        SleepEx(pause);
        WaitWhileSuspended();
        std::lock_guard hold(*lock_);
        if (StopRequested() || !tray_->Animated()) continue;
        try {
            tray_->NextFrame();
        } catch (...) {
            ApplicationHandleException(std::current_exception());
        }
    }
}

}  // namespace skl::shellicon
