#pragma once
// Faults of the headless file layer that a test switches on: the next file
// made for writing takes only so many bytes and then no more (a full disk),
// the next such file cannot be made at all, or the next replace of one file
// by another fails. Each switch acts once. The system's calls that make,
// write, close and replace files are these faults wrapped around the POSIX
// calls.
#include <cstdint>

#include "framework/system/FileHandle.h"

namespace skl::fake {

void FailWritesAfter(std::int64_t bytes);
void FailNextCreate();
void FailNextReplace();
void ClearFileFaults();


}  // namespace skl::fake
