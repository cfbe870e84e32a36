#pragma once
// The program from start to end: one instance per desktop, the main window and
// its message loop. Returns the process's exit code.
namespace skl {

int RunProgram();

}  // namespace skl
