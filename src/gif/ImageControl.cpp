#include "gif/ImageControl.h"

#include "framework/application/Form.h"
#include "framework/system/Foreground.h"
#include "framework/threads/Synchronize.h"

namespace skl {

TImageControl::TImageControl(TComponent* owner) : TGraphicControl(owner) {
    ControlStyle |= csOpaque;
    SetBounds(Left(), Top(), Width(), 105);
    SetBounds(Left(), Top(), 105, Height());
    ParentColor = true;
}

void TImageControl::SetBounds(int left, int top, int width, int height) {
    std::lock_guard hold(lock_);
    TGraphicControl::SetBounds(left, top, width, height);
}

void TImageControl::PaintWithBackground() {
    TCanvas& canvas = Canvas();
    canvas.Brush.Color = Color();
    canvas.FillRect({0, 0, ClientWidth(), ClientHeight()});
    const std::thread::id before = painter_.exchange(std::this_thread::get_id());
    try {
        RenderImage();
    } catch (...) {
        painter_ = before;
        throw;
    }
    painter_ = before;
}

void TImageControl::WndProc(TMessage& message) {
    if (message.Msg != wm::Paint) return TGraphicControl::WndProc(message);
    // The control's state first, then its canvas: the order a worker's tick
    // takes them in, so that a paint here and a tick there never wait on
    // each other crosswise.
    std::lock_guard control(lock_);
    TGraphicControl::WndProc(message);
}

void TImageControl::PaintNow() {
    if (InMainThread()) return Repaint();
    Paint();
}

bool TImageControl::NotifyPaletteChange() {
    if (!Visible() || !Picture || !Picture->PaletteModified) return false;
    if (!Palette()) {
        Picture->PaletteModified = false;
        return false;
    }
    TForm* form = ParentForm(*this);
    if (!form || !form->HandleAllocated() || ActiveWindow() != form->Handle()) return false;
    if (Drawing())
        SendWindowMessage(form->Handle(), wm::QueryNewPalette);
    else
        PostWindowMessage(form->Handle(), wm::QueryNewPalette);
    Picture->PaletteModified = false;
    return true;
}

void TImageControl::ImageUpdated() {
    if (Destroying()) return;
    AdjustSize();
    if (Picture && NotifyPaletteChange() && Drawing()) Update();
    if (!Drawing()) Invalidate();
}

}  // namespace skl
