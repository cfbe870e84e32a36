#pragma once
// The headless system's sorting of texts, modelled on the system's own for
// the scripts language names are written in: letters by their alphabet with
// letter case ignored, a letter's accent counting only where the letters are
// equal; hyphens and apostrophes counting last of all; other signs before
// digits, digits before letters, and Latin before Greek before Cyrillic.
#include <compare>
#include <cstdint>
#include <string_view>
#include <vector>

namespace skl::fake {

struct TSortKey {
    std::vector<std::uint32_t> Letters;
    std::vector<std::uint32_t> Accents;
    std::vector<std::uint32_t> Ignored;  // position and character of each hyphen or apostrophe
    friend std::strong_ordering operator<=>(const TSortKey&, const TSortKey&) = default;
};

TSortKey SortKey(std::string_view text);

}  // namespace skl::fake
