#pragma once
// The system's colour scheme.
#include "framework/core/Types.h"

namespace skl {

// The system's current colour of index `index` (0 to 30), as 0x00BBGGRR.
TColor SystemColor(int index);

}  // namespace skl
