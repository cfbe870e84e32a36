#pragma once
// A windowless control that shows a GIF picture and, while Animate is set,
// steps through its frames, each for its own delay, driven by a timer of its
// own. With AsyncDrawing the timer's worker thread advances, composes and
// paints the frames itself, straight into the parent's window, while the
// user-interface thread goes on; the frame-changed event and the stop of a
// single pass still run on the user-interface thread. While the control or
// its window is hidden the animation rests where it is, and goes on once the
// control is painted again.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "framework/controls/ThreadedTimer.h"
#include "framework/graphics/Bitmap.h"
#include "gif/GIFImage.h"
#include "gif/ImageControl.h"

namespace skl {

class TGIFAnimator : public TImageControl {
public:
    explicit TGIFAnimator(TComponent* owner);
    // Waits for a tick in progress on the worker before it frees what the tick uses.
    ~TGIFAnimator() override;
    const char* ClassName() const override { return "TGIFAnimator"; }

    bool AsyncDrawing() const;
    void SetAsyncDrawing(bool async);
    bool Animate() const { return animate_; }
    void SetAnimate(bool animate);
    bool Center() const;
    void SetCenter(bool center);
    int FrameIndex() const;
    // Values outside 0 .. FrameCount - 1 are ignored.
    void SetFrameIndex(int index);
    // The picture shown, for reading; it changes through SetImage only.
    TGIFImage& Image() { return *image_; }
    // Copies the picture into the control's own.
    void SetImage(const TGIFImage& image);
    // False: one pass, then the animation stops on frame 0.
    bool Loop() const { return loop_; }
    void SetLoop(bool loop) { loop_ = loop; }
    bool Stretch() const;
    void SetStretch(bool stretch);
    bool Transparent() const;
    void SetTransparent(bool transparent);

    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }
    void SetOnFrameChanged(TNotifyEvent handler);
    void SetOnStart(TNotifyEvent handler) { onStart_ = std::move(handler); }
    void SetOnStop(TNotifyEvent handler) { onStop_ = std::move(handler); }

    // How long the frame shown stays: its delay limited to 50 .. 10000 ms;
    // 0 unless the picture has two frames or more.
    std::uint32_t FrameDelay() const;
    // The full-size picture of frame k (of a picture with frames) with what
    // the frames before it leave behind; `key` (clNone on entry) becomes its
    // see-through colour. The control keeps the bitmap.
    TBitmap& ComposeFrame(int k, TColor& key);

    const std::vector<TRGBQuad>* Palette() const override;
    void AdjustSize() override;

protected:
    bool CanAutoSize(int& width, int& height) override;
    void PaintCanvas() override;
    void RenderImage() override;

    virtual void DoChange();
    virtual void DoFrameChanged();
    virtual void DoStart();
    virtual void DoStop();

private:
    // The timer's handler.
    void AdvanceFrame();
    // The frame-changed event and the paint of the new frame; false when the
    // control ended while its event ran on the user-interface thread.
    bool ShowFrame(std::unique_lock<std::recursive_mutex>& control);
    void StopAtEnd();
    // The picture changed.
    void GIFChanged();
    // The colour of what no frame covers; sets `key` when that is see-through.
    TColor Background(TColor& key);
    TRect FrameRect(int index);
    // The frame that the composition of frame k starts from.
    int StartFrame(int k);
    void SetDisplayFlag(bool TGIFAnimator::*flag, bool value);

    bool animate_ = false;
    std::unique_ptr<TGIFImage> image_;
    TThreadedTimer& timer_;
    // Guarded by the control lock, as are the flags and the frame cache below.
    int frameIndex_ = 0;
    bool stretch_ = false;
    std::atomic<bool> loop_{true};
    bool center_ = false;
    bool transparent_ = true;
    std::unique_ptr<TBitmap> frameCache_;
    int cacheIndex_ = -1;
    TColor cacheColor_ = clNone;
    bool async_ = false;
    // The timer rests while nobody can see the frames.
    bool resting_ = false;
    TNotifyEvent onChange_, onFrameChanged_, onStart_, onStop_;
};

}  // namespace skl
