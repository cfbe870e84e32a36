#include "app/WallpaperStyle.h"

#include <cstdint>
#include <optional>
#include <string>

#include "framework/core/IntegerText.h"
#include "framework/io/Registry.h"

namespace skl {

namespace {

// The shell keeps these numbers as text; a value of another type holds none.
std::optional<std::int32_t> DesktopNumber(const TRegistry& desktop, const std::string& name) {
    switch (desktop.GetDataType(name)) {
        case TRegDataType::None: return 0;
        case TRegDataType::String:
        case TRegDataType::ExpandString: return TextToInteger(desktop.ReadString(name));
        default: return std::nullopt;
    }
}

}  // namespace

TWallpaperStyle ReadWallpaperStyle() {
    TRegistry registry;
    registry.OpenKey("\\Control Panel\\Desktop", false);
    const std::optional<std::int32_t> tile = DesktopNumber(registry, "TileWallpaper");
    if (tile == 1) return TWallpaperStyle::Tile;
    if (tile != 0) return TWallpaperStyle::Unknown;
    switch (DesktopNumber(registry, "WallpaperStyle").value_or(-1)) {
        case 0: return TWallpaperStyle::Centre;
        case 2: return TWallpaperStyle::Stretch;
        case 6: return TWallpaperStyle::Fit;
        case 10: return TWallpaperStyle::Fill;
        case 22: return TWallpaperStyle::Span;
        default: return TWallpaperStyle::Unknown;
    }
}

}  // namespace skl
