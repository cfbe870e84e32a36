#include "ui/TrayIconThread.h"

#include <thread>

#include "framework/application/Application.h"
#include "framework/system/Sleep.h"
#include "ui/TrayIcon.h"

namespace skl::shellicon {

TTimerThread::TTimerThread(TTrayIcon& tray, std::shared_ptr<std::recursive_mutex> lock)
    : tray_(&tray), lock_(std::move(lock)) {
    SetFreeOnTerminate(true);
}

bool TTimerThread::StopRequested() const { return Terminated() || Application().Terminated() || !tray_; }

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
            Application().HandleException();
        }
    }
}

}  // namespace skl::shellicon
