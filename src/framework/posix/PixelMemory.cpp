#include "framework/system/PixelMemory.h"

#include <cstdlib>

namespace skl {

// Large blocks of the C library's heap are the system's own pages already.
std::uint8_t* AllocatePixels(std::size_t size) {
    return static_cast<std::uint8_t*>(std::calloc(size > 0 ? size : 1, 1));
}

void FreePixels(std::uint8_t* pixels, std::size_t) { std::free(pixels); }

}  // namespace skl
