#include "framework/controls/ControlCanvas.h"

#include "framework/controls/Control.h"

namespace skl {

void TControlCanvas::Take(TDeviceContext& dc) {
    auto* memory = dynamic_cast<TBitmapDC*>(&dc);
    if (!memory) {
        const TRect place = control_.ScreenBounds();
        offscreen_ = std::make_unique<TOffscreen>(dc, place.Width(), place.Height());
        memory = &offscreen_->DC();
    }
    dc_ = memory;
    SetSurface(&memory->Target(), memory->Origin(), memory->DeviceClip());
}

void TControlCanvas::Release() {
    const std::unique_ptr<TOffscreen> drawn = std::move(offscreen_);
    Abandon();
    if (drawn) drawn->Show();
}

void TControlCanvas::Abandon() {
    offscreen_.reset();
    dc_ = nullptr;
    SetSurface(nullptr);
}

}  // namespace skl
