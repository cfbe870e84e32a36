#pragma once
// System icon handles made from the bytes of an icon file.
#include <cstddef>
#include <cstdint>

namespace skl {

using TIconHandle = std::uintptr_t;

// The handle of the picture of the icon file `data` that suits the small-icon
// size best; 0 when the system cannot make one. The caller owns the handle.
TIconHandle CreateIconHandle(const std::uint8_t* data, std::size_t size);
void DestroyIconHandle(TIconHandle icon);

}  // namespace skl
