#pragma once
// The folder of the running executable with its trailing separator ("\" on
// Windows, "/" headless), so that the program's paths are plain
// concatenations onto it: ProgramFolder() + "Images\\" + name. Headless, "\"
// in any path reads as "/".
#include <string>

namespace skl {

std::string ProgramFolder();

}  // namespace skl
