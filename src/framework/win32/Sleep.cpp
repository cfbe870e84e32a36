#include "framework/system/Sleep.h"

#include <windows.h>

namespace skl {

void SleepEx(std::uint32_t milliseconds) { ::SleepEx(milliseconds, FALSE); }

}  // namespace skl
