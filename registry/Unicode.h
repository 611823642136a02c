// Conversions between UTF-8 (the API's strings) and UTF-16 code units (what the
// registry stores, as Windows and Wine do).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Appends one code point (below 0x110000, not a surrogate) as one or two code units.
inline void appendCodePoint(std::u16string& out, uint32_t cp)
{
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(cp));
    }
}

// Invalid UTF-8 sequences are dropped, as Wine's loader drops them.
std::u16string toUtf16(std::string_view utf8);

// Unpaired surrogates become U+FFFD.
std::string toUtf8(std::u16string_view utf16);

// Code units as the registry stores them: two bytes each, little-endian; nothing is
// added (no terminating NUL).
std::vector<uint8_t> toUtf16LeBytes(std::u16string_view units);

// The reverse; an odd last byte is not a whole unit and is left out.
std::u16string fromUtf16LeBytes(std::span<const uint8_t> bytes);
