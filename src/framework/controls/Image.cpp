#include "framework/controls/Image.h"

#include <utility>

#include "framework/graphics/Colors.h"
#include "framework/graphics/Offscreen.h"
#include "framework/system/WindowPaint.h"

namespace skl {

void TImage::SetPicture(std::unique_ptr<TGraphic> picture) {
    picture_ = std::move(picture);
    Invalidate();
}

void TImage::WndProc(TMessage& message) {
    switch (message.Msg) {
        case wm::Paint:
            TWinControl::WndProc(message);
            PaintPicture();
            return;
        case wm::LButtonDown:
            pressed_ = true;
            break;
        case wm::LButtonUp:
            if (std::exchange(pressed_, false)) Click();
            break;
        default:
            break;
    }
    TWinControl::WndProc(message);
}

void TImage::PaintPicture() {
    const auto dc = WindowDC(Handle());
    if (!dc) return;
    const TRect bounds = ScreenBounds();
    TOffscreen offscreen(*dc, bounds.Width(), bounds.Height());
    TCanvas& canvas = offscreen.Bitmap().Canvas();
    const TRect area{0, 0, bounds.Width(), bounds.Height()};
    canvas.Brush.Color = PaintedRGB(Color());
    canvas.FillRect(area);
    if (picture_ && !picture_->Empty()) canvas.StretchDraw(area, *picture_);
    offscreen.Show();
}

}  // namespace skl
