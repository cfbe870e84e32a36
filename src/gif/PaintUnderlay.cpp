#include "gif/PaintUnderlay.h"

#include "framework/controls/WinControl.h"

namespace skl {

namespace {

// Marks a control as painted into another one's picture while it lives.
class TPaintCopy {
public:
    explicit TPaintCopy(TControl& control) : control_(control) { control_.PaintCopy = true; }
    ~TPaintCopy() { control_.PaintCopy = false; }
    TPaintCopy(const TPaintCopy&) = delete;
    TPaintCopy& operator=(const TPaintCopy&) = delete;

private:
    TControl& control_;
};

}  // namespace

void PaintUnderlay(TGraphicControl* control, TControlCanvas& canvas) {
    TDeviceContext* dc = canvas.DC();
    if (!control || !control->Parent() || !dc) return;
    TWinControl& parent = *control->Parent();
    const TPaintCopy parentCopy(parent);
    const TKeptState kept(*dc);
    // From here on the context speaks the parent's coordinates.
    const TRect place = control->ScreenBounds();
    const TRect parentPlace = parent.ScreenBounds();
    dc->SetOrigin({dc->Origin().X - place.Left, dc->Origin().Y - place.Top});
    dc->IntersectClip({0, 0, parentPlace.Width(), parentPlace.Height()});
    parent.PaintBackground(*dc);
    for (TControl* child : parent.Controls()) {
        if (child == control) break;
        auto* sibling = dynamic_cast<TGraphicControl*>(child);
        if (!sibling || !sibling->Visible() || Intersection(sibling->ScreenBounds(), place).Empty()) continue;
        const TPaintCopy siblingCopy(*sibling);
        sibling->PaintOn(*dc);
    }
}

}  // namespace skl
