#include "framework/system/ProfileFile.h"

#include <optional>

#include "framework/io/FileBytes.h"
#include "framework/io/ProfileText.h"

namespace skl {

namespace {

// The text after the mark of a UTF-8 file; nothing for any other file.
std::optional<std::string> Utf8FileText(const std::string& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes || !bytes->starts_with(Utf8Mark)) return std::nullopt;
    return bytes->substr(Utf8Mark.size());
}

bool WriteUtf8File(const std::string& path, const std::string& text) {
    return ReplaceFileBytes(path, std::string(Utf8Mark) + text);
}

}  // namespace

std::string ReadProfileEntry(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& fallback) {
    if (const auto text = Utf8FileText(path))
        return FindProfileValue(*text, section, key).value_or(ProfileDefault(fallback));
    return ReadCodePageEntry(path, section, key, fallback);
}

bool WriteProfileEntry(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& value) {
    if (const auto text = Utf8FileText(path)) return WriteUtf8File(path, WithProfileValue(*text, section, key, value));
    if (FitsCodePage(section + key + value)) return WriteCodePageEntry(path, section, key, value);
    // The code page would lose the text; UTF-8 holds it and every other one.
    const std::string text = CodePageText(ReadFileBytes(path).value_or(""));
    return WriteUtf8File(path, WithProfileValue(text, section, key, value));
}

}  // namespace skl
