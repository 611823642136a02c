#include "WineName.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace {

struct LowerRun {
    char16_t first;
    char16_t last;
    uint16_t stride;
    int32_t delta;
};

// Sorted, non-overlapping runs; units in no run are their own lower case.
constexpr LowerRun kLowerRuns[] = {
#include "WineLowerTable.inc"
};

} // namespace

char16_t wineToLower(char16_t unit) {
    // ASCII is by far the most common case in registry names.
    if (unit < 0x80)
        return (unit >= u'A' && unit <= u'Z') ? static_cast<char16_t>(unit + 32) : unit;
    const auto* run = std::lower_bound(std::begin(kLowerRuns), std::end(kLowerRuns), unit,
                                       [](const LowerRun& r, char16_t u) { return r.last < u; });
    if (run == std::end(kLowerRuns) || unit < run->first || (unit - run->first) % run->stride != 0)
        return unit;
    return static_cast<char16_t>(unit + run->delta);
}

int wineCompare(std::u16string_view a, std::u16string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        if (a[i] == b[i])
            continue;
        const int diff = static_cast<int>(wineToLower(a[i])) - static_cast<int>(wineToLower(b[i]));
        if (diff != 0)
            return diff;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}
