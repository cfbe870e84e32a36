#include "framework/system/ProfileFile.h"

#include "framework/io/FileBytes.h"
#include "framework/io/ProfileText.h"
#include "framework/posix/AnsiText.h"

namespace skl {

std::string ReadCodePageEntry(const std::string& path, const std::string& section, const std::string& key,
                              const std::string& fallback) {
    const auto bytes = ReadFileBytes(path);
    std::optional<std::string> value;
    if (bytes) value = FindProfileValue(AnsiToUtf8(*bytes), section, key);
    return value ? *value : ProfileDefault(fallback);
}

bool WriteCodePageEntry(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
    const std::string text = AnsiToUtf8(ReadFileBytes(path).value_or(""));
    return ReplaceFileBytes(path, Utf8ToAnsi(WithProfileValue(text, section, key, value)));
}

std::string CodePageText(std::string_view bytes) { return AnsiToUtf8(bytes); }

bool FitsCodePage(std::string_view text) { return AnsiToUtf8(Utf8ToAnsi(text)) == text; }

}  // namespace skl
