#pragma once
// The About page's animation: GIF data drawn by make-about-animation.py and
// compiled into the program.
#include <cstddef>
#include <cstdint>

namespace skl::assets {

extern const std::uint8_t AboutAnimation[];
extern const std::size_t AboutAnimationSize;

}  // namespace skl::assets
