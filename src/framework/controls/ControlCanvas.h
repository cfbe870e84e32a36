#pragma once
// The canvas of a windowless control while it is painted: it draws on the
// device context of the paint, in software. On a context in memory it draws
// straight onto that bitmap, through the context's origin and clip; on a
// window's it draws into a bitmap of the control's size and puts that on the
// window when it lets go.
#include <memory>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/BitmapDC.h"
#include "framework/graphics/Canvas.h"

namespace skl {

class TControl;

class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl& control) : control_(control) {}

    // Takes the context to draw on, until Release.
    void Take(TDeviceContext& dc);
    void Release();
    // The context taken; none while the control is not painted.
    TDeviceContext* DC() const { return dc_; }

private:
    TControl& control_;
    TDeviceContext* dc_ = nullptr;
    std::unique_ptr<TBitmap> buffer_;
};

}  // namespace skl
