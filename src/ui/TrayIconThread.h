#pragma once
// The tray icon's animation thread: between pauses of the tray's Interval it
// moves the tray to its next frame. Clearing Tray tells it to stop ticking;
// it frees itself once terminated.
#include <memory>
#include <mutex>

#include "framework/threads/Thread.h"

namespace skl {
class TTrayIcon;
}

namespace skl::shellicon {

class TTimerThread final : public TThread {
public:
    // `lock` is the tray's state lock; the thread holds it around each frame.
    TTimerThread(TTrayIcon& tray, std::shared_ptr<std::recursive_mutex> lock);

    // Called with the tray's lock held.
    void ClearTray() { tray_ = nullptr; }

protected:
    void Execute() override;

private:
    bool StopRequested() const;

    TTrayIcon* tray_;
    std::shared_ptr<std::recursive_mutex> lock_;
};

}  // namespace skl::shellicon
