#include "framework/system/IconHandle.h"

#include <windows.h>

#include <cstdlib>

#include "framework/core/LittleEndian.h"

namespace skl {

TIconHandle CreateIconHandle(const std::uint8_t* data, std::size_t size) {
    if (size < 6) return {};
    const int wanted = GetSystemMetrics(SM_CXSMICON);
    const std::uint32_t count = ReadLittleEndian<std::uint16_t>(data + 4);
    const std::uint8_t* best = nullptr;
    int bestDistance = 0, bestBits = 0;
    for (std::uint32_t i = 0; i < count && 6 + (i + 1) * 16 <= size; ++i) {
        const std::uint8_t* entry = data + 6 + i * 16;
        const std::uint64_t end =
            std::uint64_t{ReadLittleEndian<std::uint32_t>(entry + 12)} + ReadLittleEndian<std::uint32_t>(entry + 8);
        if (end > size) continue;
        const int side = entry[0] == 0 ? 256 : entry[0];
        const int distance = std::abs(side - wanted);
        const int bits = static_cast<int>(ReadLittleEndian<std::uint16_t>(entry + 6));
        if (!best || distance < bestDistance || (distance == bestDistance && bits > bestBits)) {
            best = entry;
            bestDistance = distance;
            bestBits = bits;
        }
    }
    if (!best) return {};
    BYTE* picture = const_cast<BYTE*>(data + ReadLittleEndian<std::uint32_t>(best + 12));
    HICON icon = CreateIconFromResourceEx(picture, ReadLittleEndian<std::uint32_t>(best + 8), TRUE, 0x00030000, 0, 0,
                                          LR_DEFAULTCOLOR);
    return TIconHandle(reinterpret_cast<std::uintptr_t>(icon));
}

void DestroyIconHandle(TIconHandle icon) { DestroyIcon(reinterpret_cast<HICON>(icon.Get())); }

}  // namespace skl
