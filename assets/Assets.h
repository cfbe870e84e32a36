#pragma once
// Pictures built into the program. make-tray-pictures and
// make-about-animation.py draw them.
#include <cstdint>
#include <span>

namespace skl::assets {

// The notification-area icon: an icon file with one 16 x 16 picture of 16 colours.
std::span<const std::uint8_t> TrayIcon();
// The tray menu's pictures: 16 x 16 BMP files of 16 colours.
std::span<const std::uint8_t> MenuAbout();
std::span<const std::uint8_t> MenuOptions();
std::span<const std::uint8_t> MenuExit();
// The About page's animation: a GIF picture.
std::span<const std::uint8_t> AboutAnimation();

}  // namespace skl::assets
