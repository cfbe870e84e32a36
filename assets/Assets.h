#pragma once
// Pictures built into the program. make-small-pictures, make-about-picture
// and make-about-animation.py draw them.
#include <cstdint>
#include <span>

namespace skl::assets {

// The notification-area icon: an icon file with one 16 x 16 picture of 16 colours.
std::span<const std::uint8_t> TrayIcon();
// The tray menu's pictures: 16 x 16 BMP files of 16 colours.
std::span<const std::uint8_t> MenuAbout();
std::span<const std::uint8_t> MenuOptions();
std::span<const std::uint8_t> MenuExit();
// The OK and Cancel buttons' glyphs: 16 x 16 BMP files of 16 colours.
std::span<const std::uint8_t> GlyphOk();
std::span<const std::uint8_t> GlyphCancel();
// The About page's picture: a 96 x 75 JPEG file.
std::span<const std::uint8_t> AboutPicture();
// The About page's animation: a GIF picture.
std::span<const std::uint8_t> AboutAnimation();

}  // namespace skl::assets
