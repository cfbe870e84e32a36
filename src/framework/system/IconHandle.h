#pragma once
// System icon handles made from the bytes of an icon file.
#include <cstddef>
#include <cstdint>

#include "framework/core/Handle.h"

namespace skl {

using TIconHandle = THandle<struct TIconKind>;

// The handle of the picture of the icon file `data` that suits the small-icon
// size best; none when the system cannot make one. The caller owns the handle.
TIconHandle CreateIconHandle(const std::uint8_t* data, std::size_t size);
void DestroyIconHandle(TIconHandle icon);
using TOwnedIcon = TOwnedHandle<TIconHandle, DestroyIconHandle>;

}  // namespace skl
