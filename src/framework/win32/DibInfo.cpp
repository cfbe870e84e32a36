#include "framework/win32/DibInfo.h"

#include <algorithm>

namespace skl {

TDibInfo DibInfo(const TBitmapImage& image) {
    const TBitmapInfoHeader& from = image.Header;
    TDibInfo info;
    info.Header = {sizeof(BITMAPINFOHEADER), from.biWidth,     from.biHeight,        from.biPlanes,
                   from.biBitCount,          from.biCompression, from.biSizeImage,  from.biXPelsPerMeter,
                   from.biYPelsPerMeter,     from.biClrUsed,   from.biClrImportant};
    const std::size_t colors = std::min<std::size_t>(image.ColorTable.size(), 256);
    for (std::size_t i = 0; i < colors; ++i) {
        const TRGBQuad& entry = image.ColorTable[i];
        info.Colors[i] = {entry.Blue, entry.Green, entry.Red, 0};
    }
    return info;
}

}  // namespace skl
