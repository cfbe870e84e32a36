#pragma once
// Where painting lands: the client area of a window, or a bitmap in memory.
// Painting is given in logical coordinates: the origin puts logical (0, 0) on
// a point of the device, and nothing lands outside the clip.
#include "framework/core/PixelRows.h"
#include "framework/core/Types.h"

namespace skl {

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

    // Copies the whole picture with its top-left corner at logical (x, y).
    void PutPixels(int x, int y, const TPixelImage& pixels);
    // Fills a logical rectangle with a colour.
    void FillRect(const TRect& rect, TColor color);

protected:
    // A device of `bounds` (device coordinates), all of it in the clip.
    explicit TDeviceContext(const TRect& bounds) : clip_(bounds) {}
    // Copies the part `source` of the picture to device point `at`; the part
    // lies inside the picture and lands inside the clip.
    virtual void Blit(TPoint at, const TPixelImage& pixels, const TRect& source) = 0;
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
