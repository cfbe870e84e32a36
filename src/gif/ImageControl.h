#pragma once
// The base of picture controls that a worker thread may paint: a lock by
// which the worker and the user-interface thread share the control's state,
// taken before the canvas's in every paint, and painting at once from any
// thread.
#include <atomic>
#include <mutex>
#include <thread>

#include "framework/controls/GraphicControl.h"
#include "framework/graphics/Graphic.h"

namespace skl {

class TImageControl : public TGraphicControl {
public:
    explicit TImageControl(TComponent* owner);
    const char* ClassName() const override { return "TImageControl"; }

    // The control lock: re-entrant, taken before the canvas's lock.
    std::recursive_mutex& ControlLock() const { return lock_; }
    std::recursive_mutex* PaintLock() const override { return &lock_; }

    void SetBounds(int left, int top, int width, int height) override;

    // Paints the control now: on the user-interface thread as the parent
    // does, on another thread straight into the parent's window, which the
    // caller makes sure exists.
    void PaintNow();
    // Asks the active parent form to show the picture's new colours; true
    // when it was asked.
    bool NotifyPaletteChange();
    // After a change of the picture or of a display setting: takes the new
    // size and colours, and has the control painted.
    void ImageUpdated();

protected:
    // The descendant's picture; not owned here.
    TGraphic* Picture = nullptr;

    // Fills the control with its colour, then has RenderImage draw.
    void PaintWithBackground();
    // Draws the picture on the canvas.
    virtual void RenderImage() = 0;
    // True while the calling thread is inside RenderImage.
    bool Drawing() const { return painter_ == std::this_thread::get_id(); }

    void WndProc(TMessage& message) override;

private:
    std::atomic<std::thread::id> painter_{};
    mutable std::recursive_mutex lock_;
};

}  // namespace skl
