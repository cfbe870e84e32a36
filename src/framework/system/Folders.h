#pragma once
// Folders and the process's current directory.
#include <string>

namespace skl {

std::string GetCurrentDir();
// False (and the current directory unchanged) when the folder cannot be entered.
bool SetCurrentDir(const std::string& folder);
// False when the folder exists already or cannot be made.
bool CreateDir(const std::string& folder);
bool DirectoryExists(const std::string& folder);
// True for an existing file, false for a folder.
bool FileExists(const std::string& path);

}  // namespace skl
