#pragma once
// A windowless control: it has no window of its own and is painted on its
// parent's window, in its place there, when the parent repaints and whenever
// it asks for it.
#include <vector>

#include "framework/controls/Control.h"
#include "framework/controls/ControlCanvas.h"
#include "framework/core/Messages.h"

namespace skl {

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    const char* ClassName() const override { return "TGraphicControl"; }

    // The canvas, drawing on the context of the paint under way.
    TControlCanvas& Canvas() { return canvas_; }
    // The size on the screen.
    int ClientWidth() const { return ScreenBounds().Width(); }
    int ClientHeight() const { return ScreenBounds().Height(); }

    // Handles a message as sent to the control. wm::Paint carries the
    // TDeviceContext* to paint on in WParam, its origin on the control's
    // top-left corner and its clip inside the control.
    void Perform(TMessage& message) { WndProc(message); }
    // Paints the control on `dc`, whose origin and clip are the parent's.
    void PaintOn(TDeviceContext& dc);
    // Paints the control on its parent's window now.
    void Paint() override;

    void SetVisible(bool visible) override;
    void SetBounds(int left, int top, int width, int height) override;

    // The parent paints the control's place later.
    void Invalidate() override;
    // Paints what is invalid on the parent now.
    void Update();
    // Paints the control now.
    void Repaint();

    // The colours the control's picture needs shown; none for a control
    // whose picture does not care.
    virtual const std::vector<TRGBQuad>* Palette() const { return nullptr; }

protected:
    virtual void WndProc(TMessage& message);
    // Draws the control on its canvas.
    virtual void PaintCanvas() {}
    // The parent's window, when it has one.
    TWindowHandle ParentWindow() const;

private:
    void InvalidateArea(bool erase);

    TControlCanvas canvas_{*this};
};

}  // namespace skl
