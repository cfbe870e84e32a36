#pragma once
// Device contexts and bitmaps: painting in software on a bitmap in memory,
// and a bitmap put on any context.
#include "framework/graphics/Bitmap.h"
#include "framework/system/DeviceContext.h"

namespace skl {

// Copies the whole bitmap onto the context with its top-left corner at
// logical (x, y), holding the bitmap's canvas meanwhile.
void PutBitmap(TDeviceContext& dc, int x, int y, TBitmap& bitmap);

// Painting in software on a bitmap in memory, in its own coordinates: the
// part `source` of the picture copied to point `at`, a rectangle filled.
void BlitOnBitmap(TBitmap& target, TPoint at, const TPixelImage& pixels, const TRect& source);
void FillOnBitmap(TBitmap& target, const TRect& area, TColor color);

// A context that paints on a bitmap in memory, in software.
class TBitmapDC final : public TDeviceContext {
public:
    explicit TBitmapDC(TBitmap& bitmap);
    TBitmap& Target() { return bitmap_; }

protected:
    void Blit(TPoint at, const TPixelImage& pixels, const TRect& source) override;
    void Fill(const TRect& area, TColor color) override;

private:
    TBitmap& bitmap_;
};

}  // namespace skl
