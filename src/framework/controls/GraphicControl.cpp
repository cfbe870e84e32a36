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
    return Parent() && Parent()->HandleAllocated() ? Parent()->Handle() : TWindowHandle();
}

void TGraphicControl::WndProc(TMessage& message) {
    if (message.Msg != wm::Paint || !message.WParam) return;
    std::lock_guard<TCanvas> hold(canvas_);
    canvas_.Take(*reinterpret_cast<TDeviceContext*>(message.WParam));
    try {
        PaintCanvas();
    } catch (...) {
        canvas_.Abandon();
        throw;
    }
    canvas_.Release();
}

void TGraphicControl::PaintOn(TDeviceContext& dc) {
    const TKeptState kept(dc);
    const TRect place = ScreenBounds();
    dc.IntersectClip(place);
    dc.SetOrigin({dc.Origin().X + place.Left, dc.Origin().Y + place.Top});
    TMessage paint{wm::Paint, reinterpret_cast<std::uintptr_t>(&dc), 0, 0};
    Perform(paint);
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
    if (const TWindowHandle window = ParentWindow()) InvalidateWindowRect(window, ScreenBounds(), erase);
}

void TGraphicControl::Invalidate() {
    if (Visible()) InvalidateArea((ControlStyle & csOpaque) == 0);
}

void TGraphicControl::Update() {
    if (const TWindowHandle window = ParentWindow()) UpdateWindow(window);
}

void TGraphicControl::Paint() {
    if (auto dc = WindowDC(ParentWindow())) PaintOn(*dc);
}

void TGraphicControl::Repaint() {
    if (!Visible() || !ParentWindow()) return;
    if (!(ControlStyle & csOpaque)) {
        Invalidate();
        return Update();
    }
    // An opaque control covers its place: it paints straight on the parent.
    Paint();
}

}  // namespace skl
