#include "framework/system/IconHandle.h"

#include <windows.h>

#include <cstdlib>

namespace skl {

namespace {

std::uint32_t Field(const std::uint8_t* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[i];
    return value;
}

}  // namespace

TIconHandle CreateIconHandle(const std::uint8_t* data, std::size_t size) {
    if (size < 6) return 0;
    const int wanted = GetSystemMetrics(SM_CXSMICON);
    const std::uint32_t count = Field(data + 4, 2);
    const std::uint8_t* best = nullptr;
    int bestDistance = 0, bestBits = 0;
    for (std::uint32_t i = 0; i < count && 6 + (i + 1) * 16 <= size; ++i) {
        const std::uint8_t* entry = data + 6 + i * 16;
        if (std::uint64_t{Field(entry + 12, 4)} + Field(entry + 8, 4) > size) continue;
        const int side = entry[0] == 0 ? 256 : entry[0];
        const int distance = std::abs(side - wanted);
        const int bits = static_cast<int>(Field(entry + 6, 2));
        if (!best || distance < bestDistance || (distance == bestDistance && bits > bestBits)) {
            best = entry;
            bestDistance = distance;
            bestBits = bits;
        }
    }
    if (!best) return 0;
    HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(data + Field(best + 12, 4)), Field(best + 8, 4), TRUE,
                                          0x00030000, 0, 0, LR_DEFAULTCOLOR);
    return reinterpret_cast<TIconHandle>(icon);
}

void DestroyIconHandle(TIconHandle icon) { DestroyIcon(reinterpret_cast<HICON>(icon)); }

}  // namespace skl
