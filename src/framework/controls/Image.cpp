#include "framework/controls/Image.h"

#include <utility>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/BitmapDC.h"
#include "framework/graphics/Colors.h"
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

// Drawn whole in memory first, then put on the window in one go.
void TImage::PaintPicture() {
    const TRect bounds = ScreenBounds();
    TBitmap buffer;
    buffer.SetSize(bounds.Width(), bounds.Height());
    const TRect area{0, 0, bounds.Width(), bounds.Height()};
    buffer.Canvas().Brush.Color = PaintedRGB(Color());
    buffer.Canvas().FillRect(area);
    if (picture_ && !picture_->Empty()) buffer.Canvas().StretchDraw(area, *picture_);
    if (auto dc = WindowDC(Handle())) PutBitmap(*dc, 0, 0, buffer);
}

}  // namespace skl
