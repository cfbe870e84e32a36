#include "framework/io/ProfileText.h"

#include "framework/core/Utf8.h"

namespace skl {

namespace {

constexpr std::string_view Blanks = " \t\r";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

enum class LineKind { Blank, Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
};

// "[name]" heads a section and "name=value" is a key; other lines (blank
// ones, notes) are neither.
ParsedLine Parse(std::string_view content) {
    const std::string_view line = Trim(content);
    if (line.empty()) return {LineKind::Blank, {}, {}};
    const auto close = line.rfind(']');
    if (line.front() == '[' && close != std::string_view::npos)
        return {LineKind::Section, Trim(line.substr(1, close - 1)), {}};
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    return {LineKind::Key, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// Where a key stands in the text, or where it would go.
struct Place {
    bool sectionFound = false;
    bool keyFound = false;
    std::size_t keyBegin = 0, keyEnd = 0;  // the key line without its line break
    std::string_view keyName;              // as the file spells it
    std::string_view value;
    std::size_t sectionEnd = 0;  // end of the section's last non-blank line
    bool sectionEndHasBreak = false;
};

Place Locate(std::string_view text, std::string_view section, std::string_view key) {
    Place place;
    bool inSection = false;
    for (std::size_t begin = 0; begin < text.size();) {
        std::size_t end = text.find('\n', begin);
        const bool hasBreak = end != std::string_view::npos;
        if (!hasBreak) end = text.size();
        const std::string_view content = text.substr(begin, end - begin);
        const ParsedLine line = Parse(content);
        if (line.kind == LineKind::Section) {
            if (place.sectionFound) break;
            inSection = SameName(line.name, section);
            place.sectionFound = inSection;
        } else if (inSection && line.kind == LineKind::Key && SameName(line.name, key)) {
            place.keyFound = true;
            place.keyBegin = begin;
            place.keyEnd = content.ends_with('\r') ? end - 1 : end;
            place.keyName = line.name;
            place.value = line.value;
            return place;
        }
        if (inSection && line.kind != LineKind::Blank) {
            place.sectionEnd = end;
            place.sectionEndHasBreak = hasBreak;
        }
        begin = hasBreak ? end + 1 : end;
    }
    return place;
}

bool EndsWithBlankLine(std::string_view text) {
    while (text.ends_with('\n')) text.remove_suffix(1);
    const auto lineStart = text.rfind('\n');
    return Trim(text.substr(lineStart == std::string_view::npos ? 0 : lineStart + 1)).empty();
}

}  // namespace

std::string_view FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = !IsUtf8Continuation(text[i]);
        if (startsCharacter && seen++ == count) return text.substr(0, i);
    }
    return text;
}

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section, std::string_view key) {
    const Place place = Locate(text, Trim(section), Trim(key));
    if (!place.keyFound) return std::nullopt;
    return std::string(FirstCharacters(Unquoted(place.value), MaxProfileValueLength));
}

std::string ProfileDefault(std::string_view value) {
    while (value.ends_with(' ')) value.remove_suffix(1);
    return std::string(FirstCharacters(value, MaxProfileValueLength));
}

std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    const Place place = Locate(text, section, key);
    const std::string keyLine = std::string(place.keyFound ? place.keyName : key) + "=" + std::string(value);
    std::string result(text);
    if (place.keyFound) return result.replace(place.keyBegin, place.keyEnd - place.keyBegin, keyLine);
    if (place.sectionFound) {
        if (place.sectionEndHasBreak) return result.insert(place.sectionEnd + 1, keyLine + "\r\n");
        return result.insert(place.sectionEnd, "\r\n" + keyLine);
    }
    if (!result.empty() && !result.ends_with('\n')) result += "\r\n";
    if (!result.empty() && !EndsWithBlankLine(result)) result += "\r\n";
    return result + "[" + std::string(section) + "]\r\n" + keyLine + "\r\n";
}

}  // namespace skl
