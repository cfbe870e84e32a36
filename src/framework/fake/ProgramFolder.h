#pragma once
#include "framework/system/ProgramFolder.h"

namespace skl::fake {

// The headless program folder, for tests; a missing trailing separator is
// added as "/". An empty folder brings back the executable's own.
void SetProgramFolder(const std::string& folder);

}  // namespace skl::fake
