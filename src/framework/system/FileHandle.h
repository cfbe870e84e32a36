#pragma once
// Files as the operating system holds them. Each backend implements these with
// its own system calls (the Windows one with exactly the access, sharing and
// creation flags named here); FileRead and FileWrite are portable.
#include <cstdint>
#include <string>

#include "framework/core/Handle.h"

namespace skl {

using FileHandle = THandle<struct TFileKind, std::intptr_t, -1>;
inline constexpr FileHandle InvalidFile{};

// Read access; others may read but not write; the file must exist.
FileHandle OpenForReading(const std::string& path);
// Read and write access, no sharing; created, or truncated to length 0.
FileHandle CreateExclusive(const std::string& path);
// True when the file exists and is read-only, or is a folder: it cannot be
// written or replaced. (A file that another program reads can still be
// replaced, and one that it holds is refused by the replace itself.)
bool RefusesWriting(const std::string& path);

// Reads or writes `count` bytes, fewer only at the end of the file or when
// the system fails; the count done.
std::int64_t FileRead(FileHandle file, void* buffer, std::int64_t count);
std::int64_t FileWrite(FileHandle file, const void* buffer, std::int64_t count);
// One call of the system, which may do fewer bytes than asked: the count
// done, 0 or less at the end of the file or on failure.
std::int64_t FileReadSome(FileHandle file, void* buffer, std::int64_t count);
std::int64_t FileWriteSome(FileHandle file, const void* buffer, std::int64_t count);
std::int64_t FileSeek(FileHandle file, std::int64_t offset, int origin);
void FileClose(FileHandle file);
using TOwnedFile = TOwnedHandle<FileHandle, FileClose>;

// Puts `source` in the place of `target`, replacing it in one step.
bool MoveFileOver(const std::string& source, const std::string& target);
void RemoveFile(const std::string& path);
// Removes what an interrupted run may have left at `path`: a file, also a
// read-only one, or an empty folder. True when nothing is there afterwards.
bool RemoveLeftover(const std::string& path);

}  // namespace skl
