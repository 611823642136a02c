#include "WineName.h"

#include "Unicode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::u16string> utf16(const std::vector<std::string>& names) {
    std::vector<std::u16string> out;
    for (const auto& n : names)
        out.push_back(toUtf16(n));
    return out;
}

// Orders that Wine 8.0 wrote into user.reg; sorting the shuffled names must give them
// back exactly.
struct ObservedOrder {
    const char* what;
    std::vector<std::string> names;
};

const ObservedOrder kObservedOrders[] = {
    {"value names in one key",
     {"1",
      "10",
      "9",
      "[",
      "^",
      "_x",
      "`",
      "a",
      "a b",
      "A1",
      "A_",
      "ab",
      "b",
      "B2",
      "e",
      "f",
      "ss",
      "xA",
      "x\xF0\x9F\x98\x80",
      "z",
      "Zed",
      "{",
      "~",
      "\xC3\x9F",
      "\xC3\xA9",
      "\xC3\x96",
      "\xC4\xB3",
      "\xE4\xB8\xAD"}},
    {"sub-key names",
     {"[k", "_kx", "k1", "k10", "k9", "ka", "ka b", "KA_", "kb", "KB2", "ke", "kf", "Kzed",
      "k\xC3\xA9"}},
};

TEST(WineNameTest, SortingReproducesTheOrdersWineWrote) {
    for (const auto& order : kObservedOrders) {
        SCOPED_TRACE(order.what);
        const auto expected = utf16(order.names);
        auto shuffled = expected;
        std::mt19937 rng(42);
        for (int round = 0; round < 5; ++round) {
            std::shuffle(shuffled.begin(), shuffled.end(), rng);
            std::sort(shuffled.begin(), shuffled.end(),
                      [](const auto& a, const auto& b) { return wineCompare(a, b) < 0; });
            EXPECT_EQ(shuffled, expected);
        }
    }
}

TEST(WineNameTest, EqualityIgnoresCaseOnlyWhereUnicodeHasASimpleLowercase) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        {"Software", "SOFTWARE", true},
        {"\xC3\xA9", "\xC3\x89", true},                  // é / É
        {"k\xC3\xA9", "K\xC3\x89", true},                // ké / KÉ
        {"\xC3\x96", "\xC3\xB6", true},                  // Ö / ö
        {"\xD0\x96", "\xD0\xB6", true},                  // Ж / ж
        {"\xC3\x9F", "ss", false},                       // ß is not ss
        {"\xE2\x84\xAA", "k", true},                     // Kelvin sign lowercases to k
        {"\xC4\xB0", "i", true},                         // İ: simple lowercase is i
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x81", false}, // surrogates compare as they are
        {"a", "a ", false},
        {"", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(wineEqual(toUtf16(c.a), toUtf16(c.b)), c.equal);
    }
}

TEST(WineNameTest, LowercaseMapsSingleUnitsOnly) {
    EXPECT_EQ(wineToLower(u'A'), u'a');
    EXPECT_EQ(wineToLower(u'['), u'[');
    EXPECT_EQ(wineToLower(u'\u0100'), u'\u0101'); // alternating Latin Extended-A
    EXPECT_EQ(wineToLower(u'\u0101'), u'\u0101');
    EXPECT_EQ(wineToLower(u'\u03A3'), u'\u03C3'); // Σ
    EXPECT_EQ(wineToLower(u'\uFF21'), u'\uFF41'); // fullwidth A
    EXPECT_EQ(wineToLower(u'\xD801'), u'\xD801'); // a lone surrogate stays
    EXPECT_EQ(wineToLower(u'\uFFFF'), u'\uFFFF');
}

} // namespace
