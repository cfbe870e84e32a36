#pragma once
// A picture on a window of its own: the picture stretched to the control's
// rectangle on the control's colour. A click is a press and release of the
// left button on it.
#include <memory>

#include "framework/controls/WinControl.h"
#include "framework/graphics/Graphic.h"

namespace skl {

class TImage : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TImage"; }

    void SetPicture(std::unique_ptr<TGraphic> picture);

protected:
    void WndProc(TMessage& message) override;

private:
    void PaintPicture();

    std::unique_ptr<TGraphic> picture_;
    bool pressed_ = false;
};

}  // namespace skl
