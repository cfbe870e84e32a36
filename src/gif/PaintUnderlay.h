#pragma once
// What lies beneath a windowless control, painted on its canvas, so that a
// picture with see-through pixels can be drawn over it: the parent's
// background, then the windowless siblings below the control.
#include "framework/controls/ControlCanvas.h"
#include "framework/controls/GraphicControl.h"

namespace skl {

// Nothing without a control, a parent, or a paint under way on the canvas.
void PaintUnderlay(TGraphicControl* control, TControlCanvas& canvas);

}  // namespace skl
