#pragma once
// The POSIX calls behind the files that can fail on purpose in the headless
// backend: its file faults wrap them (fake/FileFaults.cpp).
#include <cstdint>
#include <string>

#include "framework/system/FileHandle.h"

namespace skl::posix {

FileHandle CreateExclusive(const std::string& path);
std::int64_t FileWriteSome(FileHandle file, const void* buffer, std::int64_t count);
void FileClose(FileHandle file);
bool MoveFileOver(const std::string& source, const std::string& target);

}  // namespace skl::posix
