#pragma once
// A windowless control: it has no window of its own and is painted by its
// parent's window, into the parent's device context, on the parent's paints
// and whenever it asks for one.
#include <vector>

#include "framework/controls/Control.h"
#include "framework/controls/ControlCanvas.h"
#include "framework/core/Messages.h"
#include "framework/graphics/DeviceContext.h"

namespace skl {

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    const char* ClassName() const override { return "TGraphicControl"; }

    // The canvas, drawing on the context of the paint under way.
    TControlCanvas& Canvas() { return canvas_; }

    // Handles a message as sent to the control. wm::Paint carries the
    // TDeviceContext* to paint on in WParam, its origin on the control's
    // top-left corner and its clip inside the control.
    void Perform(TMessage& message) { WndProc(message); }
    // Paints the control on `dc`, whose origin and clip are the parent's.
    void PaintOn(TDeviceContext& dc);

    void SetVisible(bool visible) override;
    void SetBounds(int left, int top, int width, int height) override;

    // The parent paints the control's rectangle later.
    void Invalidate();
    // Paints what is invalid on the parent now.
    void Update();
    // Paints the control now.
    void Repaint();

    // The colours the control's picture needs shown; none for a control
    // whose picture does not care.
    virtual const std::vector<TRGBQuad>* Palette() { return nullptr; }

protected:
    virtual void WndProc(TMessage& message);
    // Draws the control on its canvas.
    virtual void Paint() {}
    // The parent's window, when it has one.
    TWindowHandle ParentWindow() const;

private:
    void InvalidateArea(bool erase);

    TControlCanvas canvas_{*this};
};

}  // namespace skl
