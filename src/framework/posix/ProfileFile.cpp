#include "framework/system/ProfileFile.h"

#include "framework/io/FileBytes.h"
#include "framework/io/ProfileText.h"
#include "framework/posix/AnsiText.h"

namespace skl {

namespace {

bool HasUtf8Mark(const std::string& bytes) { return bytes.starts_with(Utf8Mark); }

std::string Decoded(const std::string& bytes) {
    return HasUtf8Mark(bytes) ? bytes.substr(Utf8Mark.size()) : AnsiToUtf8(bytes);
}

}  // namespace

std::string ReadProfileEntry(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& fallback) {
    const auto bytes = ReadFileBytes(path);
    std::optional<std::string> value;
    if (bytes) value = FindProfileValue(Decoded(*bytes), section, key);
    return value ? *value : ProfileDefault(fallback);
}

bool WriteProfileEntry(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& value) {
    const std::string bytes = ReadFileBytes(path).value_or("");
    const std::string text = WithProfileValue(Decoded(bytes), section, key, value);
    return ReplaceFileBytes(path, HasUtf8Mark(bytes) ? std::string(Utf8Mark) + text : Utf8ToAnsi(text));
}

}  // namespace skl
