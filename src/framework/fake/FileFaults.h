#pragma once
// Faults of the headless file layer that a test switches on: the next file
// made for writing takes only so many bytes and then no more (a full disk),
// the next such file cannot be made at all, or the next replace of one file
// by another fails. Each switch acts once.
#include <cstdint>

#include "framework/system/FileHandle.h"

namespace skl::fake {

void FailWritesAfter(std::int64_t bytes);
void FailNextCreate();
void FailNextReplace();
void ClearFileFaults();

// For the backend's file calls: whether a fault strikes now.
bool CreateFails();
void Created(FileHandle file);
// How many of `count` bytes the file takes now.
std::int64_t WritableBytes(FileHandle file, std::int64_t count);
void Closed(FileHandle file);
bool ReplaceFails();

}  // namespace skl::fake
