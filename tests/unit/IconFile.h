#pragma once
// Icon files for tests: one 16 x 16 picture with 16 colours, filled with one
// colour index, so that icons made from different indexes differ.
#include <cstdint>
#include <vector>

inline std::vector<std::uint8_t> IconFile(std::uint8_t colourIndex) {
    std::vector<std::uint8_t> file;
    auto put = [&file](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    const std::uint32_t imageSize = 40 + 16 * 4 + 16 * 8 + 16 * 4;
    put(0, 2), put(1, 2), put(1, 2);                             // directory: icon, one picture
    put(16, 1), put(16, 1), put(16, 1), put(0, 1);               // 16 x 16, 16 colours
    put(1, 2), put(4, 2), put(imageSize, 4), put(6 + 16, 4);     // planes, bits, size, offset
    put(40, 4), put(16, 4), put(32, 4), put(1, 2), put(4, 2);    // header: height counts both masks
    put(0, 4), put(16 * 8 + 16 * 4, 4), put(0, 4), put(0, 4), put(0, 4), put(0, 4);
    for (std::uint32_t i = 0; i < 16; ++i) put(i * 0x00111111u, 4);  // grey ramp
    const std::uint8_t pair = static_cast<std::uint8_t>((colourIndex & 15) * 0x11);
    for (int i = 0; i < 16 * 8; ++i) file.push_back(pair);          // colour rows
    for (int i = 0; i < 16 * 4; ++i) file.push_back(0);             // all opaque
    return file;
}
