#include "framework/win32/DibInfo.h"

#include <algorithm>

namespace skl {

TDibInfo DibInfo(const TPixelImage& pixels) {
    const TConstPixelRows& rows = pixels.Rows;
    TDibInfo info;
    info.Header.biSize = sizeof(BITMAPINFOHEADER);
    info.Header.biWidth = rows.Width();
    info.Header.biHeight = rows.Height();
    info.Header.biPlanes = 1;
    info.Header.biBitCount = static_cast<WORD>(rows.Bits());
    info.Header.biCompression = BI_RGB;
    info.Header.biSizeImage = static_cast<DWORD>(rows.Pitch() * rows.Height());
    const std::size_t colors = std::min<std::size_t>(pixels.ColorCount, 256);
    for (std::size_t i = 0; i < colors; ++i) {
        const TRGBQuad& entry = pixels.Colors[i];
        info.Colors[i] = {entry.Blue, entry.Green, entry.Red, 0};
    }
    return info;
}

}  // namespace skl
