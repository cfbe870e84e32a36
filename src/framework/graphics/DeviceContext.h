#pragma once
// Where painting lands: the client area of a window, or a bitmap in memory.
// Painting is given in logical coordinates: the origin puts logical (0, 0) on
// a point of the device, and nothing lands outside the clip.
#include "framework/core/Types.h"

namespace skl {

class TBitmap;

class TDeviceContext {
public:
    virtual ~TDeviceContext() = default;
    TDeviceContext(const TDeviceContext&) = delete;
    TDeviceContext& operator=(const TDeviceContext&) = delete;

    // The device point on which logical (0, 0) lands.
    TPoint Origin() const { return origin_; }
    void SetOrigin(TPoint origin) { origin_ = origin; }
    // Narrows the clip to a rectangle in logical coordinates.
    void IntersectClip(const TRect& rect);
    // The clip in device coordinates.
    const TRect& DeviceClip() const { return clip_; }

    // Copies the whole bitmap with its top-left corner at logical (x, y).
    void PutBitmap(int x, int y, TBitmap& bitmap);
    // Fills a logical rectangle with a colour.
    void FillRect(const TRect& rect, TColor color);

    // The bitmap painted on, for a context in memory; none for a window's.
    virtual TBitmap* Bitmap() { return nullptr; }

protected:
    // A device of `bounds` (device coordinates), all of it in the clip.
    explicit TDeviceContext(const TRect& bounds) : clip_(bounds) {}
    // Copies the part `source` of the bitmap to device point `at`; the part
    // lies inside the bitmap and lands inside the clip.
    virtual void Blit(TPoint at, TBitmap& bitmap, const TRect& source) = 0;
    // Fills a device rectangle inside the clip.
    virtual void Fill(const TRect& area, TColor color) = 0;

private:
    friend class TKeptState;
    void Restore(TPoint origin, const TRect& clip) {
        origin_ = origin;
        clip_ = clip;
    }

    TPoint origin_;
    TRect clip_;
};

// Painting in software on a bitmap in memory, in its own coordinates: the
// part `source` of `bitmap` copied to point `at`, a rectangle filled.
void BlitOnBitmap(TBitmap& target, TPoint at, TBitmap& bitmap, const TRect& source);
void FillOnBitmap(TBitmap& target, const TRect& area, TColor color);

// A context that paints on a bitmap in memory, in software.
class TBitmapDC final : public TDeviceContext {
public:
    explicit TBitmapDC(TBitmap& bitmap);
    TBitmap* Bitmap() override { return &bitmap_; }

protected:
    void Blit(TPoint at, TBitmap& bitmap, const TRect& source) override;
    void Fill(const TRect& area, TColor color) override;

private:
    TBitmap& bitmap_;
};

// Keeps a context's origin and clip while it lives and puts them back when it
// goes, also when painting fails.
class TKeptState {
public:
    explicit TKeptState(TDeviceContext& dc) : dc_(dc), origin_(dc.Origin()), clip_(dc.DeviceClip()) {}
    ~TKeptState() { dc_.Restore(origin_, clip_); }
    TKeptState(const TKeptState&) = delete;
    TKeptState& operator=(const TKeptState&) = delete;

private:
    TDeviceContext& dc_;
    TPoint origin_;
    TRect clip_;
};

}  // namespace skl
