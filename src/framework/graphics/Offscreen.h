#pragma once
// Painting through a bitmap in memory: a picture is drawn whole there and
// then put on its context in one block, so that it replaces the old one at
// once and is never seen half drawn.
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/BitmapDC.h"

namespace skl {

class TOffscreen {
public:
    // A bitmap of width x height standing for the logical rectangle (0, 0,
    // width, height) of `target`; its context clips to what of that the
    // target's clip lets through.
    TOffscreen(TDeviceContext& target, int width, int height);
    TOffscreen(const TOffscreen&) = delete;
    TOffscreen& operator=(const TOffscreen&) = delete;

    TBitmap& Bitmap() { return bitmap_; }
    // The context on the bitmap, in the bitmap's coordinates.
    TBitmapDC& DC() { return memory_; }
    // Puts the whole bitmap on the target at logical (0, 0).
    void Show();

private:
    TDeviceContext& target_;
    TBitmap bitmap_;
    TBitmapDC memory_;
};

}  // namespace skl
