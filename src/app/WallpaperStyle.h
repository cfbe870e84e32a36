#pragma once
// How the shell shows the wallpaper: the user's own style, kept in the
// registry (HKCU\Control Panel\Desktop, WallpaperStyle and TileWallpaper).
// The program reads it at each change and never writes it.
namespace skl {

enum class TWallpaperStyle { Centre, Tile, Stretch, Fit, Fill, Span, Unknown };

// Absent values count as 0: the centre style.
TWallpaperStyle ReadWallpaperStyle();

}  // namespace skl
