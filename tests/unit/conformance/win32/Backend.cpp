#include "../Backend.h"

#include "framework/system/Sleep.h"

namespace conformance {

void ResetBackend() {}

void LetTimePass(unsigned milliseconds) { skl::SleepEx(milliseconds); }

}  // namespace conformance
