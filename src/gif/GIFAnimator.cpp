#include "gif/GIFAnimator.h"

#include <algorithm>
#include <exception>

#include "framework/graphics/Colors.h"
#include "framework/system/Screen.h"
#include "framework/system/Window.h"
#include "framework/threads/Synchronize.h"
#include "gif/BlitTransparent.h"
#include "gif/PaintUnderlay.h"

namespace skl {

namespace {

constexpr std::uint32_t ShortestDelay = 50;
constexpr std::uint32_t LongestDelay = 10000;
constexpr std::uint8_t RestoreToBackground = 2;
constexpr std::uint8_t RestoreToPrevious = 3;

}  // namespace

TGIFAnimator::TGIFAnimator(TComponent* owner)
    : TImageControl(owner), image_(nullptr), timer_(Make<TThreadedTimer>()) {
    SetAutoSize(true);
    image_ = std::make_unique<TGIFImage>();
    Picture = image_.get();
    image_->OnChange = [this](TGraphic&) { GIFChanged(); };
}

TGIFAnimator::~TGIFAnimator() {
    BeginDestruction();
    onStart_ = onStop_ = onChange_ = nullptr;
    SetOnFrameChanged(nullptr);
    SetAnimate(false);
    timer_.EndTicks();
    frameCache_.reset();
    image_->OnChange = nullptr;
    Picture = nullptr;
    image_.reset();
}

bool TGIFAnimator::AsyncDrawing() const {
    std::lock_guard hold(ControlLock());
    return async_;
}

void TGIFAnimator::SetAsyncDrawing(bool async) {
    std::lock_guard hold(ControlLock());
    if (async == async_) return;
    if (async) EnableLockingBitmapDraw();
    timer_.SetSyncEvent(!async);
    async_ = async;
}

void TGIFAnimator::SetAnimate(bool animate) {
    if (animate == animate_) return;
    if (animate) {
        timer_.SetOnTimer([this](TComponent&) { AdvanceFrame(); });
        timer_.SetEnabled(true);
        animate_ = timer_.Enabled();
        DoStart();
        return;
    }
    timer_.SetEnabled(false);
    timer_.SetOnTimer(nullptr);
    animate_ = false;
    {
        std::lock_guard hold(ControlLock());
        resting_ = false;
    }
    ImageUpdated();
    // Last, since its handler may free the control.
    DoStop();
}

bool TGIFAnimator::Center() const {
    std::lock_guard hold(ControlLock());
    return center_;
}

bool TGIFAnimator::Stretch() const {
    std::lock_guard hold(ControlLock());
    return stretch_;
}

bool TGIFAnimator::Transparent() const {
    std::lock_guard hold(ControlLock());
    return transparent_;
}

void TGIFAnimator::SetCenter(bool center) { SetDisplayFlag(&TGIFAnimator::center_, center); }
void TGIFAnimator::SetStretch(bool stretch) { SetDisplayFlag(&TGIFAnimator::stretch_, stretch); }
void TGIFAnimator::SetTransparent(bool transparent) { SetDisplayFlag(&TGIFAnimator::transparent_, transparent); }

void TGIFAnimator::SetDisplayFlag(bool TGIFAnimator::*flag, bool value) {
    {
        std::lock_guard hold(ControlLock());
        if (this->*flag == value) return;
        this->*flag = value;
    }
    ImageUpdated();
    if (animate_) Repaint();
}

int TGIFAnimator::FrameIndex() const {
    std::lock_guard hold(ControlLock());
    return frameIndex_;
}

void TGIFAnimator::SetFrameIndex(int index) {
    {
        std::lock_guard hold(ControlLock());
        if (index == frameIndex_ || index >= image_->FrameCount() || index < 0) return;
        frameIndex_ = index;
        timer_.SetInterval(FrameDelay());
    }
    DoFrameChanged();
    ImageUpdated();
}

void TGIFAnimator::SetImage(const TGIFImage& image) {
    std::lock_guard hold(ControlLock());
    image_->Assign(image);
}

void TGIFAnimator::SetOnFrameChanged(TNotifyEvent handler) {
    std::lock_guard hold(ControlLock());
    onFrameChanged_ = std::move(handler);
}

void TGIFAnimator::GIFChanged() {
    {
        std::lock_guard hold(ControlLock());
        cacheIndex_ = -1;
        frameCache_.reset();
        cacheColor_ = clNone;
        frameIndex_ = image_->ActiveFrame();
        if (frameIndex_ >= 0 && image_->FrameCount() > 0) timer_.SetInterval(FrameDelay());
    }
    ImageUpdated();
    DoChange();
}

std::uint32_t TGIFAnimator::FrameDelay() const {
    std::lock_guard hold(ControlLock());
    const int count = image_->FrameCount();
    if (frameIndex_ < 0 || frameIndex_ >= count || count < 2) return 0;
    return std::clamp<std::uint32_t>(image_->FrameAt(frameIndex_).DelayMs, ShortestDelay, LongestDelay);
}

const std::vector<TRGBQuad>* TGIFAnimator::Palette() const {
    std::lock_guard hold(ControlLock());
    return image_->Empty() ? nullptr : image_->Palette();
}

void TGIFAnimator::AdjustSize() {
    std::lock_guard hold(ControlLock());
    if (!AutoSize() || !image_ || image_->Empty()) return;
    SetBounds(Left(), Top(), image_->LogicalWidth(), image_->LogicalHeight());
}

bool TGIFAnimator::CanAutoSize(int& width, int& height) {
    std::lock_guard hold(ControlLock());
    if (image_ && !image_->Empty()) {
        width = image_->LogicalWidth();
        height = image_->LogicalHeight();
    }
    return true;
}

void TGIFAnimator::DoChange() {
    if (onChange_) onChange_(*this);
}

void TGIFAnimator::DoFrameChanged() {
    if (onFrameChanged_) onFrameChanged_(*this);
}

void TGIFAnimator::DoStart() {
    if (onStart_) onStart_(*this);
}

void TGIFAnimator::DoStop() {
    if (onStop_) onStop_(*this);
}

void TGIFAnimator::AdvanceFrame() {
    std::unique_lock control(ControlLock());
    const TWindowHandle window = ParentWindow();
    if (!Visible() || !window || !WindowVisible(window)) {
        // Nobody can see the frames: the timer rests until the control is
        // painted again, so that a hidden animation costs nothing, with its
        // picture or without.
        resting_ = true;
        timer_.SetEnabled(false);
        return;
    }
    if (PaintCopy || image_->FrameCount() < 2) return;
    frameIndex_ = frameIndex_ < image_->FrameCount() - 1 ? frameIndex_ + 1 : 0;
    std::exception_ptr failure;
    try {
        if (!ShowFrame(control)) return;
    } catch (...) {
        failure = std::current_exception();
    }
    if (!control.owns_lock()) control.lock();
    if (frameIndex_ >= 0 && frameIndex_ < image_->FrameCount()) timer_.SetInterval(FrameDelay());
    if (failure) std::rethrow_exception(failure);
    const bool stop = !loop_ && frameIndex_ == 0;
    control.unlock();
    if (stop) timer_.RunSynchronized([this] { StopAtEnd(); });
}

bool TGIFAnimator::ShowFrame(std::unique_lock<std::recursive_mutex>& control) {
    const bool onWorker = async_ && !onFrameChanged_;
    if (!onWorker) {
        // On the user-interface thread the event runs without the control's
        // lock: that thread may itself be waiting for the control, and the
        // handler may free it.
        control.unlock();
        if (!timer_.RunSynchronized([this] { DoFrameChanged(); })) return false;
        control.lock();
    }
    std::lock_guard<TCanvas> canvas(Canvas());
    if (onWorker) DoFrameChanged();
    PaintNow();
    return true;
}

void TGIFAnimator::StopAtEnd() { SetAnimate(false); }

void TGIFAnimator::PaintCanvas() {
    // Painted on the user-interface thread, the control is seen again.
    if (resting_ && InMainThread()) {
        resting_ = false;
        timer_.SetEnabled(true);
    }
    PaintWithBackground();
}

void TGIFAnimator::RenderImage() {
    TGIFImage& image = *image_;
    if (image.Transparent() || image.Empty()) PaintUnderlay(this, Canvas());
    if (image.Empty() || image.LogicalWidth() <= 0 || image.LogicalHeight() <= 0) return;
    TColor key = clNone;
    TBitmap& picture = ComposeFrame(frameIndex_, key);
    std::lock_guard<TCanvas> hold(picture.Canvas());
    const int width = picture.Width();
    const int height = picture.Height();
    // The picture's pixels are laid out for 96 pixels per inch, as the
    // control's place is: on a finer screen each is drawn larger.
    TRect dest{0, 0, ScreenPixels(width), ScreenPixels(height)};
    if (stretch_)
        dest = {0, 0, ClientWidth(), ClientHeight()};
    else if (center_)
        dest = Offset(dest, {(ClientWidth() - dest.Width()) / 2, (ClientHeight() - dest.Height()) / 2});
    if (key == clNone || !transparent_)
        Canvas().CopyBitmap(dest, picture, {0, 0, width, height});
    else
        BlitTransparent(Canvas(), dest.Left, dest.Top, dest.Width(), dest.Height(), picture, 0, 0, width, height, key);
}

TRect TGIFAnimator::FrameRect(int index) {
    TGIFFrame& frame = image_->FrameAt(index);
    return {frame.FramePos.X, frame.FramePos.Y, frame.FramePos.X + frame.FrameWidth(),
            frame.FramePos.Y + frame.FrameHeight()};
}

// The last frame up to k that hides everything before it from frame k: one
// that covers the whole screen opaquely, or one cleared to the background
// before k. A frame restored to what lay beneath it hides nothing from the
// frames after it.
int TGIFAnimator::StartFrame(int k) {
    for (int i = k; i >= 1; --i) {
        TGIFFrame& frame = image_->FrameAt(i);
        if (frame.FrameWidth() != image_->LogicalWidth() || frame.FrameHeight() != image_->LogicalHeight()) continue;
        if (i == k && frame.TransparentKey == clNone) return i;
        if (i < k && frame.Disposal != RestoreToPrevious &&
            (frame.TransparentKey == clNone || frame.Disposal == RestoreToBackground))
            return i;
    }
    return 0;
}

TColor TGIFAnimator::Background(TColor& key) {
    TGIFImage& image = *image_;
    const int active = image.ActiveFrame();
    const TColor activeKey = active >= 0 && active < image.FrameCount() ? image.FrameAt(active).TransparentKey : clNone;
    if (activeKey != clNone) {
        // The composed picture holds 24 bits: it shows every colour as it is.
        key = PaintedRGB(activeKey);
        return ToPaletteRGB(key);
    }
    if (image.BackdropColor() != clNone && image.Transparent()) return ToPaletteRGB(image.BackdropColor());
    return ToPaletteRGB(clWindow);
}

TBitmap& TGIFAnimator::ComposeFrame(int k, TColor& key) {
    std::lock_guard control(ControlLock());
    TGIFImage& image = *image_;
    k = std::clamp(k, 0, image.FrameCount() - 1);
    const bool incremental = frameCache_ && cacheIndex_ >= 0 && cacheIndex_ == k - 1 &&
                             image.FrameAt(cacheIndex_).Disposal != RestoreToPrevious;
    // A new picture becomes the cache only once it is done: should drawing
    // fail, it goes, and the cache is empty.
    std::unique_ptr<TBitmap> fresh;
    if (incremental) {
        key = cacheColor_;
    } else {
        frameCache_.reset();
        cacheIndex_ = -1;
        fresh = std::make_unique<TBitmap>();
    }
    TBitmap& bitmap = incremental ? *frameCache_ : *fresh;
    {
        std::lock_guard<TCanvas> hold(bitmap.Canvas());
        TCanvas& canvas = bitmap.Canvas();
        if (!incremental) {
            const int width = image.LogicalWidth();
            const int height = image.LogicalHeight();
            bitmap.SetSize(width, height);
            canvas.Brush.Color = Background(key);
            canvas.FillRect({0, 0, width, height});
            const int start = StartFrame(k);
            // Disposals the format leaves undefined (4 to 7) leave the frame
            // in place, as the step from one frame to the next does.
            for (int j = start; j < k; ++j) {
                const std::uint8_t disposal = image.FrameAt(j).Disposal;
                if (disposal == RestoreToBackground) {
                    if (j > start) canvas.FillRect(FrameRect(j));
                } else if (disposal != RestoreToPrevious) {
                    image.FrameAt(j).DrawFrame(canvas, FrameRect(j), true);
                }
            }
        } else if (image.FrameAt(k - 1).Disposal == RestoreToBackground) {
            canvas.FillRect(FrameRect(k - 1));
        }
        image.FrameAt(k).DrawFrame(canvas, FrameRect(k), true);
        if (!incremental && key != clNone && transparent_) {
            bitmap.SetTransparentColor(ToPaletteRGB(key));
            bitmap.SetTransparent(true);
        }
    }
    if (fresh) frameCache_ = std::move(fresh);
    cacheIndex_ = k;
    cacheColor_ = key;
    return *frameCache_;
}

}  // namespace skl
