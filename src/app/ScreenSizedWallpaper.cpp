#include "app/ScreenSizedWallpaper.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/WallpaperStyle.h"
#include "framework/system/Screen.h"

namespace skl {

namespace {

struct TSize {
    int Width = 0, Height = 0;
};

// The factor Num / Den by which the shell scales a picture for an area.
struct TScale {
    std::int64_t Num = 1, Den = 1;
    bool operator<(const TScale& other) const { return Num * other.Den < other.Num * Den; }
};

// Fit puts the whole picture inside the area; fill and span cover the area
// with it, and so must a copy that keeps the picture's aspect for stretch,
// which pulls each side to the area's.
TScale ShellScale(TWallpaperStyle style, TSize picture, const TRect& area) {
    const bool areaIsWider = std::int64_t{area.Width()} * picture.Height >= std::int64_t{area.Height()} * picture.Width;
    const bool byWidth = style == TWallpaperStyle::Fit ? !areaIsWider : areaIsWider;
    return byWidth ? TScale{area.Width(), picture.Width} : TScale{area.Height(), picture.Height};
}

int ScaledSide(int side, TScale scale) { return static_cast<int>((side * scale.Num + scale.Den - 1) / scale.Den); }

// The largest monitor's need: the greatest scale any of them asks for.
TSize ScaledForScreen(TWallpaperStyle style, TSize picture, const std::vector<TRect>& monitors) {
    const std::vector<TRect> areas = style == TWallpaperStyle::Span ? std::vector{DesktopRect()} : monitors;
    TScale scale{0, 1};
    for (const TRect& area : areas) scale = std::max(scale, ShellScale(style, picture, area));
    if (!(scale < TScale{1, 1})) return picture;
    return {ScaledSide(picture.Width, scale), ScaledSide(picture.Height, scale)};
}

// Each monitor shows the middle of the picture at its own size.
TRect MiddleForScreen(TSize picture, const std::vector<TRect>& monitors) {
    TSize shown;
    for (const TRect& monitor : monitors)
        shown = {std::max(shown.Width, monitor.Width()), std::max(shown.Height, monitor.Height())};
    const int width = std::min(picture.Width, shown.Width), height = std::min(picture.Height, shown.Height);
    const int left = (picture.Width - width) / 2, top = (picture.Height - height) / 2;
    return {left, top, left + width, top + height};
}

}  // namespace

void DecodeForScreen(TJPEGImage& picture, TBitmap& bitmap) {
    const TSize whole{picture.Width(), picture.Height()};
    const std::vector<TRect> monitors = MonitorRects();
    switch (const TWallpaperStyle style = ReadWallpaperStyle()) {
        case TWallpaperStyle::Centre: {
            const TRect middle = MiddleForScreen(whole, monitors);
            if (middle.Width() < whole.Width || middle.Height() < whole.Height) return picture.DecodeArea(middle, bitmap);
            break;
        }
        case TWallpaperStyle::Stretch:
        case TWallpaperStyle::Fit:
        case TWallpaperStyle::Fill:
        case TWallpaperStyle::Span: {
            const TSize reduced = ScaledForScreen(style, whole, monitors);
            if (reduced.Width < whole.Width) return picture.DecodeReduced(reduced.Width, reduced.Height, bitmap);
            break;
        }
        case TWallpaperStyle::Tile:
        case TWallpaperStyle::Unknown: break;
    }
    bitmap.Assign(picture);
}

}  // namespace skl
