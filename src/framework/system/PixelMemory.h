#pragma once
// The memory of a picture's pixels, zeroed. Large blocks come straight from
// the system and go back to it when they are freed, where the heap would
// keep their pages for the rest of the run: a program that shows its
// pictures now and then stays small in between.
#include <cstddef>
#include <cstdint>
#include <memory>

namespace skl {

// Null when there is not that much memory.
std::uint8_t* AllocatePixels(std::size_t size);
// `size` as it was allocated.
void FreePixels(std::uint8_t* pixels, std::size_t size);

struct TFreePixels {
    std::size_t Size = 0;
    void operator()(std::uint8_t* pixels) const { FreePixels(pixels, Size); }
};
using TPixelMemory = std::unique_ptr<std::uint8_t[], TFreePixels>;

}  // namespace skl
