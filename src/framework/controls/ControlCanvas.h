#pragma once
// The canvas of a windowless control while it is painted: it draws on the
// device context of the paint, in software. On a context in memory it draws
// straight onto that bitmap, through the context's origin and clip; on a
// window's it draws off-screen, in a bitmap of the control's size, and puts
// that on the window when it lets go.
#include <memory>

#include "framework/graphics/Canvas.h"
#include "framework/graphics/Offscreen.h"

namespace skl {

class TControl;

class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl& control) : control_(control) {}

    // Takes the context to draw on, until Release or Abandon.
    void Take(TDeviceContext& dc);
    // Shows what was drawn off-screen and lets the context go.
    void Release();
    // Lets the context go without showing what was drawn off-screen: after a
    // failed paint the window keeps its last whole picture.
    void Abandon();
    // The context that drawing lands on: the bitmap's when drawn off-screen;
    // none while the control is not painted.
    TDeviceContext* DC() const { return dc_; }

private:
    TControl& control_;
    TDeviceContext* dc_ = nullptr;
    std::unique_ptr<TOffscreen> offscreen_;
};

}  // namespace skl
