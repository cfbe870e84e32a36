#pragma once
// A framework bitmap's header and colour table as the system's calls for
// device-independent bitmaps take them.
#include <windows.h>

#include "framework/graphics/Bitmap.h"

namespace skl {

struct TDibInfo {
    BITMAPINFOHEADER Header{};
    RGBQUAD Colors[256]{};
    BITMAPINFO* Info() { return reinterpret_cast<BITMAPINFO*>(this); }
};

TDibInfo DibInfo(const TBitmapImage& image);

}  // namespace skl
