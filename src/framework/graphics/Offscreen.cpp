#include "framework/graphics/Offscreen.h"

namespace skl {

namespace {

TBitmap& Sized(TBitmap& bitmap, int width, int height) {
    bitmap.SetSize(width, height);
    return bitmap;
}

}  // namespace

TOffscreen::TOffscreen(TDeviceContext& target, int width, int height)
    : target_(target), memory_(Sized(bitmap_, width, height)) {
    memory_.IntersectClip(Offset(target.DeviceClip(), {-target.Origin().X, -target.Origin().Y}));
}

void TOffscreen::Show() { PutBitmap(target_, 0, 0, bitmap_); }

}  // namespace skl
