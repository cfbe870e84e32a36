#include "../Backend.h"

#include "framework/fake/Desktop.h"
#include "framework/fake/ResetAll.h"

namespace conformance {

void ResetBackend() { skl::fake::ResetAll(); }

void LetTimePass(unsigned milliseconds) { skl::fake::AdvanceClock(milliseconds); }

}  // namespace conformance
