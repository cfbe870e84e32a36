#include <windows.h>

#include "framework/system/SystemColors.h"

namespace skl {

TColor SystemColor(int index) { return static_cast<TColor>(GetSysColor(index)); }

}  // namespace skl
