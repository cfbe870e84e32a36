#include "framework/system/PixelMemory.h"

#include <windows.h>

#include <cstdlib>

namespace skl {

namespace {

// Below this the heap serves: the system hands out whole pages.
constexpr std::size_t SmallestPageBlock = 16 * 1024;

}  // namespace

std::uint8_t* AllocatePixels(std::size_t size) {
    if (size < SmallestPageBlock) return static_cast<std::uint8_t*>(std::calloc(size > 0 ? size : 1, 1));
    return static_cast<std::uint8_t*>(VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
}

void FreePixels(std::uint8_t* pixels, std::size_t size) {
    if (size < SmallestPageBlock)
        std::free(pixels);
    else if (pixels)
        VirtualFree(pixels, 0, MEM_RELEASE);
}

}  // namespace skl
