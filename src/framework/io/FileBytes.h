#pragma once
// Small files read and written whole.
#include <optional>
#include <string>

namespace skl {

// The file's bytes; nothing when it cannot be opened for reading.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Puts `bytes` in the place of the file, whole or not at all.
bool ReplaceFileBytes(const std::string& path, const std::string& bytes);

}  // namespace skl
