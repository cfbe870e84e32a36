#pragma once
// Puts every test double back as a fresh process finds it: an empty desktop,
// journal, registry, shell and notification area, no file faults, held pauses
// or refused threads, the clock at midnight, a 32-bit screen, the
// executable's own program folder.
namespace skl::fake {

void ResetAll();

}  // namespace skl::fake
