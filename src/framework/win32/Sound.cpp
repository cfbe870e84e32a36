#include "framework/system/Sound.h"

#include <windows.h>

namespace skl {

void Beep() { MessageBeep(0); }

}  // namespace skl
