#pragma once
// A picture made smaller by area averaging: each pixel of the result is the
// average of the part of the picture it covers, parts of pixels weighed by
// how much of them it covers.
#include "framework/graphics/Bitmap.h"

namespace skl {

// How a bitmap shows a picture: each of its pixels stands for Step x Step
// pixels of a picture of Width x Height (a decoding at 1/Step of the size;
// its last row and column stand for what is left over).
struct TPictureSampling {
    int Width = 0;
    int Height = 0;
    int Step = 1;
};

// Averages `source` down to `width` x `height` 24-bit pixels in `target`.
// The result is no larger than the picture.
void AverageArea(const TBitmap& source, const TPictureSampling& picture, int width, int height, TBitmap& target);

}  // namespace skl
