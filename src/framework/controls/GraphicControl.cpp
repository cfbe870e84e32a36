#include "framework/controls/GraphicControl.h"

#include <mutex>

#include "framework/controls/WinControl.h"
#include "framework/system/WindowPaint.h"

namespace skl {

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

TGraphicControl::~TGraphicControl() {
    // The parent shows what lay beneath.
    if (Visible()) InvalidateArea(true);
}

TWindowHandle TGraphicControl::ParentWindow() const {
    return Parent() && Parent()->HandleAllocated() ? Parent()->Handle() : 0;
}

void TGraphicControl::WndProc(TMessage& message) {
    if (message.Msg != wm::Paint || !message.WParam) return;
    std::lock_guard<TCanvas> hold(canvas_);
    canvas_.Take(*reinterpret_cast<TDeviceContext*>(message.WParam));
    try {
        Paint();
    } catch (...) {
        canvas_.Release();
        throw;
    }
    canvas_.Release();
}

void TGraphicControl::PaintOn(TDeviceContext& dc) {
    const TDeviceContext::TState state = dc.State();
    dc.IntersectClip(BoundsRect());
    dc.SetOrigin({dc.Origin().X + Left(), dc.Origin().Y + Top()});
    TMessage paint{wm::Paint, reinterpret_cast<std::uintptr_t>(&dc), 0, 0};
    try {
        Perform(paint);
    } catch (...) {
        dc.SetState(state);
        throw;
    }
    dc.SetState(state);
}

void TGraphicControl::SetVisible(bool visible) {
    if (visible == Visible()) return;
    TControl::SetVisible(visible);
    InvalidateArea(true);
}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
    InvalidateArea(true);
    TControl::SetBounds(left, top, width, height);
    InvalidateArea(true);
}

void TGraphicControl::InvalidateArea(bool erase) {
    if (const TWindowHandle window = ParentWindow()) InvalidateWindowRect(window, BoundsRect(), erase);
}

void TGraphicControl::Invalidate() {
    if (Visible()) InvalidateArea((ControlStyle & csOpaque) == 0);
}

void TGraphicControl::Update() {
    if (const TWindowHandle window = ParentWindow()) UpdateWindow(window);
}

void TGraphicControl::Repaint() {
    const TWindowHandle window = ParentWindow();
    if (!Visible() || !window) return;
    if (!(ControlStyle & csOpaque)) {
        Invalidate();
        return Update();
    }
    // An opaque control covers its rectangle: it paints straight on the parent.
    if (auto dc = WindowDC(window)) PaintOn(*dc);
}

}  // namespace skl
