#pragma once
// The About page's fixed texts and the addresses its links open.
namespace skl {

inline constexpr const char* SAuthorMail = "skelvora@example.org";
inline constexpr const char* SMailLink = "mailto:skelvora@example.org";
inline constexpr const char* SWebAddress = "https://skelvora.example.org/";
inline constexpr const char* SPlaceAndYear = "Made in Kyiv, Ukraine, 2026";

}  // namespace skl
