// How Wine compares key and value names: per UTF-16 code unit after mapping each unit
// to lower case (simple mapping; surrogates map to themselves), the first differing
// unit deciding by numeric value, a prefix sorting first. Names that compare equal are
// one name; the spelling kept is the one it was first created with.
#pragma once

#include <string_view>

char16_t wineToLower(char16_t unit);

// <0, 0, >0 as the two names sort in Wine's order.
int wineCompare(std::u16string_view a, std::u16string_view b);

inline bool wineEqual(std::u16string_view a, std::u16string_view b)
{
    return wineCompare(a, b) == 0;
}
