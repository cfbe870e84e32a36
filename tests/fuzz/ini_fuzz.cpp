// The profile reader and writer on arbitrary text: nothing may crash, a value
// read is at most 2047 characters, a plainly named key that was written reads
// back, and a write changes no other key.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <string>

#include "Check.h"
#include "framework/core/IntegerText.h"
#include "framework/io/ProfileText.h"

using namespace skl;

namespace {

constexpr std::string_view Blanks = " \t\r";

bool SameName(std::string_view a, std::string_view b) {
    auto trim = [](std::string_view s) {
        const auto first = s.find_first_not_of(Blanks);
        return first == std::string_view::npos ? std::string_view{}
                                               : s.substr(first, s.find_last_not_of(Blanks) - first + 1);
    };
    a = trim(a);
    b = trim(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Names and values that the profile form can hold unchanged.
bool Plain(const std::string& section, const std::string& key, const std::string& value) {
    const bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
    const bool padded = !value.empty() && (Blanks.find(value.front()) != std::string_view::npos ||
                                           Blanks.find(value.back()) != std::string_view::npos);
    const auto keyStart = key.find_first_not_of(Blanks);
    return section.find_first_of("\n]") == std::string::npos && key.find_first_of("\n=") == std::string::npos &&
           (keyStart == std::string::npos || key[keyStart] != '[') && value.find('\n') == std::string::npos &&
           !quoted && !padded;
}

std::size_t Characters(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(32);
    const std::string key = input.ConsumeRandomLengthString(32);
    const std::string value = input.ConsumeRandomLengthString(64);
    const std::string otherSection = input.ConsumeRandomLengthString(32);
    const std::string otherKey = input.ConsumeRandomLengthString(32);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const auto found = FindProfileValue(text, section, key);
    Check(!found || Characters(*found) <= MaxProfileValueLength);
    if (const auto number = TextToInteger(value)) Check(TextToInteger(std::to_string(*number)) == number);

    const std::string written = WithProfileValue(text, section, key, value);
    if (!Plain(section, key, value)) return 0;
    Check(FindProfileValue(written, section, key) == std::string(FirstCharacters(value, MaxProfileValueLength)));
    if (!SameName(otherSection, section) || !SameName(otherKey, key))
        Check(FindProfileValue(written, otherSection, otherKey) == FindProfileValue(text, otherSection, otherKey));
    return 0;
}
