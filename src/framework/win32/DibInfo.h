#pragma once
// A picture's header and colour table as the system's calls for
// device-independent bitmaps take them.
#include <windows.h>

#include "framework/core/PixelRows.h"

namespace skl {

struct TDibInfo {
    BITMAPINFOHEADER Header{};
    RGBQUAD Colors[256]{};
    BITMAPINFO* Info() { return reinterpret_cast<BITMAPINFO*>(this); }
};

TDibInfo DibInfo(const TPixelImage& pixels);

}  // namespace skl
