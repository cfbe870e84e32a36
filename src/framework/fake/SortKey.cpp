#include "framework/fake/SortKey.h"

#include "framework/core/Utf8.h"

namespace skl::fake {

namespace {

// The ranges of the weights, in their order.
constexpr std::uint32_t Signs = 0x100, Digits = 0x1000, Latin = 0x2000, Greek = 0x3000, Cyrillic = 0x4000,
                        Others = 0x10000;

// The letters of U+00C0 to U+017F without their accents: "*" where one
// stands for two (æ, ß, ĳ, œ), "#" for a sign, "þ" for the letter after z.
constexpr std::u32string_view LatinBases =
    U"aaaaaa*ceeeeiiiidnooooo#ouuuuyþ*aaaaaa*ceeeeiiiidnooooo#ouuuuyþy"
    U"aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii**jjkkklllllll"
    U"lllnnnnnnnnnoooooo**rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";

// The letters of the Cyrillic alphabets, small, in the system's order.
constexpr std::u32string_view CyrillicOrder = U"абвгґдђеєжзѕиіјклљмнњопрстћуфхцчџшщъыьэюя";

struct TLetter {
    char32_t Base;
    bool Accented;
};

// Capital and small letters of U+0100 to U+017F come in pairs, most of them
// capital first.
char32_t LowerLatinExtended(char32_t c) {
    if (c == 0x178) return 0xFF;  // Ÿ
    const bool capitalOdd = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    const bool capital = capitalOdd ? c % 2 == 1 : c % 2 == 0 && c != 0x138;
    return capital ? c + 1 : c;
}

char32_t Lower(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    if (c >= 0x100 && c <= 0x17F) return LowerLatinExtended(c);
    if (c >= 0x391 && c <= 0x3A9) return c + 0x20;  // Greek capitals
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;  // Cyrillic capitals
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;  // Ѐ to Џ
    if (c >= 0x490 && c <= 0x4BF && c % 2 == 0) return c + 1;  // Ґ and the like
    return c;
}

TLetter Unaccented(char32_t c) {
    switch (c) {
    case U'ё': case U'ѐ': return {U'е', true};
    case U'й': case U'ѝ': return {U'и', true};
    case U'ї': return {U'і', true};
    case U'ў': return {U'у', true};
    case U'ѓ': return {U'г', true};
    case U'ќ': return {U'к', true};
    case U'ά': case U'Ά': return {U'α', true};
    case U'έ': case U'Έ': return {U'ε', true};
    case U'ή': case U'Ή': return {U'η', true};
    case U'ί': case U'Ί': return {U'ι', true};
    case U'ό': case U'Ό': return {U'ο', true};
    case U'ύ': case U'Ύ': return {U'υ', true};
    case U'ώ': case U'Ώ': return {U'ω', true};
    case U'ς': return {U'σ', false};
    default: return {c, false};
    }
}

std::u32string_view Expansion(char32_t c) {
    switch (c) {
    case U'Æ': case U'æ': return U"ae";
    case U'ß': return U"ss";
    case U'Ĳ': case U'ĳ': return U"ij";
    case U'Œ': case U'œ': return U"oe";
    default: return {};
    }
}

std::uint32_t Weight(char32_t c) {
    if (c >= U'0' && c <= U'9') return Digits + (c - U'0');
    if (c >= U'a' && c <= U'z') return Latin + (c - U'a');
    if (c == U'þ') return Latin + 26;
    if (c >= 0x3B1 && c <= 0x3C9) return Greek + (c - 0x3B1);
    if (const auto at = CyrillicOrder.find(c); at != std::u32string_view::npos) return Cyrillic + std::uint32_t(at);
    if (c >= 0x400 && c <= 0x4FF) return Cyrillic + 0x100 + c;
    return c < 0x80 ? Signs + c : Others + c;
}

void Add(TSortKey& key, char32_t c) {
    c = Lower(c);
    if (c >= 0xC0 && c <= 0x17F && LatinBases[c - 0xC0] != U'#') {
        if (const auto pair = Expansion(c); !pair.empty()) {
            for (const char32_t part : pair) Add(key, part);
            return;
        }
        const char32_t base = LatinBases[c - 0xC0];
        key.Letters.push_back(Weight(base));
        key.Accents.push_back(base == c ? 0 : c);
        return;
    }
    const TLetter letter = Unaccented(c);
    key.Letters.push_back(Weight(letter.Base));
    key.Accents.push_back(letter.Accented ? 1 : 0);
}

}  // namespace

TSortKey SortKey(std::string_view text) {
    TSortKey key;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t position = i;
        const char32_t c = NextUtf8Character(text, i);
        if (c == U'-' || c == U'\'') {
            key.Ignored.insert(key.Ignored.end(), {std::uint32_t(position), c});
            continue;
        }
        Add(key, c);
    }
    return key;
}

}  // namespace skl::fake
