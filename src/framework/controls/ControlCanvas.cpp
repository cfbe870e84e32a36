#include "framework/controls/ControlCanvas.h"

#include "framework/controls/Control.h"

namespace skl {

void TControlCanvas::Take(TDeviceContext& dc) {
    dc_ = &dc;
    if (auto* memory = dynamic_cast<TBitmapDC*>(&dc)) return SetSurface(&memory->Target(), dc.Origin(), dc.DeviceClip());
    buffer_ = std::make_unique<TBitmap>();
    const TRect place = control_.ScreenBounds();
    buffer_->SetSize(place.Width(), place.Height());
    SetSurface(buffer_.get(), {}, Offset(dc.DeviceClip(), {-dc.Origin().X, -dc.Origin().Y}));
}

void TControlCanvas::Release() {
    if (buffer_) PutBitmap(*dc_, 0, 0, *buffer_);
    buffer_.reset();
    dc_ = nullptr;
    SetSurface(nullptr);
}

}  // namespace skl
