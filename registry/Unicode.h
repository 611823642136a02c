// Conversions between UTF-8 (the API's strings) and UTF-16 code units (what the
// registry stores, as Windows and Wine do).
#pragma once

#include <string>
#include <string_view>

// Invalid UTF-8 sequences are dropped, as Wine's loader drops them.
std::u16string toUtf16(std::string_view utf8);

// Unpaired surrogates become U+FFFD.
std::string toUtf8(std::u16string_view utf16);
