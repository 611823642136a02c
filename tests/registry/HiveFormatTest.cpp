#include "HiveFormat.h"

#include "Clock.h"
#include "RegistryTypes.h"
#include "StoreTestSupport.h"
#include "Unicode.h"
#include "WineEscape.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using storetest::bytes;
using storetest::sz;
using storetest::utf16Bytes;

constexpr uint64_t kLoadTime = 0x1dd89410062e23eULL; // 1796974016.33 s after 1970
constexpr const char* kSignature = "WINE REGISTRY Version 2\n";

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

Hive parse(const std::string& text) {
    return parseHive(text, "user.reg", kLoadTime);
}

void dropRawText(RegKey& key) {
    key.setRawSection(std::nullopt);
    for (const auto& sub : key.subkeys())
        dropRawText(*sub);
}

std::string repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

const RegKey* findPath(const RegKey& root, std::initializer_list<std::u16string_view> path) {
    const RegKey* key = &root;
    for (auto name : path) {
        key = key->findSubkey(name);
        if (!key)
            return nullptr;
    }
    return key;
}

// The value lines the writer produces for one value in a key of its own.
std::string writtenValueLines(const RegValue& v) {
    Hive hive;
    hive.root = std::make_unique<RegKey>(u"", kLoadTime);
    hive.root->createSubkey(u"K", kLoadTime).setValue(v.name, v.type, v.data);
    const std::string text = serializeHive(hive);
    const std::string sectionStart = "\n[K] 1796974016\n#time=1dd89410062e23e\n";
    EXPECT_EQ(text.substr(0, sectionStart.size()), sectionStart);
    return text.substr(sectionStart.size());
}

// The single value a key section holding these lines loads as.
RegValue loadedValue(const std::string& lines) {
    const Hive hive = parse(std::string(kSignature) + "\n[K] 0\n" + lines);
    const RegKey* key = hive.root->findSubkey(u"K");
    EXPECT_NE(key, nullptr);
    if (!key || key->values().size() != 1) {
        ADD_FAILURE() << "expected one value";
        return {};
    }
    return key->values()[0];
}

// ---------------------------------------------------------------------------------
// Whole files

TEST(HiveFormatTest, WineWrittenFileComesBackByteForByte) {
    const std::string text = readFile(KORRELIN_TEST_DATA "/user.reg");
    Hive hive = parse(text);
    EXPECT_EQ(serializeHive(hive), text);

    // Without the kept section texts the writer must still produce Wine's own bytes.
    dropRawText(*hive.root);
    EXPECT_EQ(serializeHive(hive), text);
}

TEST(HiveFormatTest, ChangingOneValueRewritesOnlyThatSection) {
    // A hand-edited file: Wine would normalise all of it; only the changed key's
    // section may change here.
    const std::string before =
        std::string(kSignature) +
        ";; comment kept in the header\n\n#arch=win64\n#option kept\n"
        "\n[A] 1700000000\n\"x\" = \"spaced\"\n; comment in a section\n"
        "\n[B] 1700000001\n#time=1da1747c967f080\n\"v\"=hex:AA,BB , CC\n\"w\"=str:\"old\"\n"
        "\n[C]   1700000002   junk\n\"y\"=dword:FF\n";
    const std::string after =
        std::string(kSignature) +
        ";; comment kept in the header\n\n#arch=win64\n#option kept\n"
        "\n[A] 1700000000\n\"x\" = \"spaced\"\n; comment in a section\n"
        "\n[B] 1700000005\n#time=1da1747c967f080\n\"v\"=hex:aa,bb,cc\n\"w\"=\"new\"\n"
        "\n[C]   1700000002   junk\n\"y\"=dword:FF\n";
    Hive hive = parse(before);
    EXPECT_EQ(serializeHive(hive), before);
    EXPECT_TRUE(hive.root->findSubkey(u"B")->rawSection());
    hive.root->findSubkey(u"b")->setValue(u"W", REG_SZ, sz(u"new"));
    EXPECT_EQ(serializeHive(hive), after);
}

TEST(HiveFormatTest, KeysThatCannotBeWrittenVerbatimAreWrittenCanonically) {
    struct Case {
        const char* what;
        std::string file;     // after the signature line
        std::string expected; // after the signature line
    };
    const Case cases[] = {
        {"a section after its own sub-key's section keeps the sub-key's time",
         "\n[A\\\\B] 1700000000\n\"b\"=\"1\"\n\n[A] "
         "1700000005\n#time=1da1747c967f080\n\"a\"=\"1\"\n",
         "\n[A] 1700000000\n#time=1da1747c66d0000\n\"a\"=\"1\"\n\n[A\\\\B] "
         "1700000000\n\"b\"=\"1\"\n"},
        {"two sections of one key are merged",
         "\n[A] 1700000000\n\"x\"=\"1\"\n\n[B] 1700000000\n\"y\"=\"2\"\n\n[a] "
         "1700000005\n\"X\"=\"3\"\n\"z\"=\"4\"\n",
         "\n[A] 1700000000\n#time=1da1747c66d0000\n\"x\"=\"3\"\n\"z\"=\"4\"\n\n[B] "
         "1700000000\n\"y\"=\"2\"\n"},
        {"a path that spells an existing key differently",
         "\n[Ab\\\\x] 1700000000\n\n[AB\\\\y] 1700000000\n",
         "\n[Ab\\\\x] 1700000000\n\n[Ab\\\\y] 1700000000\n#time=1da1747c66d0000\n"},
        {"sections out of tree order are put in order, keeping their text",
         "\n[b] 1700000000\n\n[a] 1700000000\n", "\n[a] 1700000000\n\n[b] 1700000000\n"},
        {"a comment right before the next section", "\n[a] 1700000000\n;note\n[b] 1700000000\n",
         "\n[a] 1700000000\n#time=1da1747c66d0000\n\n[b] 1700000000\n"},
        {"CRLF blank lines between sections", "\r\n[a] 1700000000\r\n\r\n[b] 1700000000\r\n",
         "\r\n\n[a] 1700000000\n#time=1da1747c66d0000\n\n[b] 1700000000\r\n"},
        {"data continued onto the blank line before the next section",
         "\n[b] 1700000000\n\"h\"=hex:01,\\\n\n[a] 1700000000\n",
         "\n[a] 1700000000\n\n[b] 1700000000\n#time=1da1747c66d0000\n\"h\"=hex:01\n"},
        {"a file of only a header", "#arch=win32\n", "#arch=win32\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Hive hive = parse(kSignature + c.file);
        EXPECT_EQ(serializeHive(hive), kSignature + c.expected);
    }
}

TEST(HiveFormatTest, WriterFollowsWinesRulesForWhichKeysGetASection) {
    Hive hive;
    hive.header = newHiveHeader("REGISTRY\\User\\S-1-5-21-0-0-0-1000", "win64");
    hive.root = std::make_unique<RegKey>(u"", kLoadTime);
    RegKey& a = hive.root->createSubkey(u"a", kLoadTime);
    a.createSubkey(u"leaf", kLoadTime);                              // empty leaf: written
    a.createSubkey(u"mid", kLoadTime).createSubkey(u"x", kLoadTime); // value-less with sub-key: not
    a.createSubkey(u"Link", kLoadTime).setLink(true);
    a.createSubkey(u"Named", kLoadTime).setClassName(u"C\"l\u00e9");
    a.findSubkey(u"named")->createSubkey(u"s", kLoadTime).setValue(u"", REG_SZ, sz(u""));
    const std::string t = " 1796974016\n#time=1dd89410062e23e\n";
    EXPECT_EQ(serializeHive(hive),
              "WINE REGISTRY Version 2\n"
              ";; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
              "#arch=win64\n"
              "\n[a\\\\leaf]" +
                  t + "\n[a\\\\Link]" + t +
                  "#link\n"
                  "\n[a\\\\mid\\\\x]" +
                  t + "\n[a\\\\Named]" + t +
                  "#class=\"C\\\"l\\xe9\"\n"
                  "\n[a\\\\Named\\\\s]" +
                  t + "@=\"\"\n");
}

TEST(HiveFormatTest, NewHeaderIsWhatWineWritesForTheBranch) {
    EXPECT_EQ(
        newHiveHeader("REGISTRY\\Machine", "win64"),
        "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win64\n");
    EXPECT_EQ(newHiveHeader("REGISTRY\\User\\.Default", "win32"),
              "WINE REGISTRY Version 2\n;; All keys relative to "
              "REGISTRY\\\\User\\\\.Default\n\n#arch=win32\n");
    EXPECT_EQ(newHiveHeader("REGISTRY\\Machine", ""),
              "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n");
}

// ---------------------------------------------------------------------------------
// Value lines, both ways

struct ValueLine {
    const char* what;
    RegValue value;
    std::string line; // as written, with its line end
};

const std::vector<ValueLine>& valueLines() {
    static const std::vector<ValueLine> lines = {
        {"default value", {u"", REG_SZ, sz(u"default data")}, "@=\"default data\"\n"},
        {"value named @", {u"@", REG_SZ, sz(u"at")}, "\"@\"=\"at\"\n"},
        {"empty string", {u"emptysz", REG_SZ, sz(u"")}, "\"emptysz\"=\"\"\n"},
        {"expandable string",
         {u"expand", REG_EXPAND_SZ, sz(u"%PATH%;x")},
         "\"expand\"=str(2):\"%PATH%;x\"\n"},
        {"empty expandable string", {u"e", REG_EXPAND_SZ, sz(u"")}, "\"e\"=str(2):\"\"\n"},
        {"multi-string",
         {u"multi", REG_MULTI_SZ, sz(std::u16string(u"one\0two\0three\0", 14))},
         "\"multi\"=str(7):\"one\\0two\\0three\\0\"\n"},
        {"multi-string with empty items",
         {u"m", REG_MULTI_SZ, sz(std::u16string(u"A\0\0B\0", 5))},
         "\"m\"=str(7):\"A\\0\\0B\\0\"\n"},
        {"multi-string with one terminator",
         {u"m", REG_MULTI_SZ, sz(u"A")},
         "\"m\"=str(7):\"A\"\n"},
        {"multi-string of one zero", {u"m", REG_MULTI_SZ, sz(u"")}, "\"m\"=str(7):\"\"\n"},
        {"multi-string of two zeros",
         {u"m", REG_MULTI_SZ, sz(std::u16string(1, u'\0'))},
         "\"m\"=str(7):\"\\0\"\n"},
        {"zeros before digits",
         {u"m", REG_MULTI_SZ,
          sz(std::u16string(u"a\0"
                            u"0\0"
                            u"8\0"
                            u"9\0",
                            8))},
         "\"m\"=str(7):\"a\\0000\\08\\09\\0\"\n"},
        {"string with inner zero",
         {u"s", REG_SZ, sz(std::u16string(u"A\0B", 3))},
         "\"s\"=\"A\\0B\"\n"},
        {"string ending in two zeros",
         {u"s", REG_SZ, sz(std::u16string(u"A\0", 2))},
         "\"s\"=\"A\\0\"\n"},
        {"dword", {u"dw", REG_DWORD, bytes({0x78, 0x56, 0x34, 0x12})}, "\"dw\"=dword:12345678\n"},
        {"small dword", {u"dwle", REG_DWORD, bytes({2, 0, 0, 0})}, "\"dwle\"=dword:00000002\n"},
        {"binary",
         {u"bin", REG_BINARY, bytes({1, 2, 0xab, 0xcd, 0xef})},
         "\"bin\"=hex:01,02,ab,cd,ef\n"},
        {"empty binary", {u"emptybin", REG_BINARY, {}}, "\"emptybin\"=hex:\n"},
        {"string of no bytes", {u"sz_zero_len", REG_SZ, {}}, "\"sz_zero_len\"=hex(1):\n"},
        {"string of odd length",
         {u"sz_odd_len", REG_SZ, bytes({0x41, 0, 0, 0, 0})},
         "\"sz_odd_len\"=hex(1):41,00,00,00,00\n"},
        {"unterminated string", {u"s", REG_SZ, bytes({0x41, 0})}, "\"s\"=hex(1):41,00\n"},
        {"multi-string of no bytes",
         {u"multi_zero_len", REG_MULTI_SZ, {}},
         "\"multi_zero_len\"=hex(7):\n"},
        {"short dword",
         {u"dword_short", REG_DWORD, bytes({1, 2})},
         "\"dword_short\"=hex(4):01,02\n"},
        {"long dword",
         {u"dword_long", REG_DWORD, bytes({1, 2, 3, 4, 5})},
         "\"dword_long\"=hex(4):01,02,03,04,05\n"},
        {"dword of no bytes", {u"dword_zero_len", REG_DWORD, {}}, "\"dword_zero_len\"=hex(4):\n"},
        {"qword",
         {u"qw", REG_QWORD, bytes({0xf0, 0xde, 0xbc, 0x9a, 0x78, 0x56, 0x34, 0x12})},
         "\"qw\"=hex(b):f0,de,bc,9a,78,56,34,12\n"},
        {"none", {u"none", REG_NONE, sz(u"abc")}, "\"none\"=hex(0):61,00,62,00,63,00,00,00\n"},
        {"big-endian dword",
         {u"dwbe", REG_DWORD_BIG_ENDIAN, bytes({1, 0, 0, 0})},
         "\"dwbe\"=hex(5):01,00,00,00\n"},
        {"link", {u"type_6", REG_LINK, bytes({0x5c, 0})}, "\"type_6\"=hex(6):5c,00\n"},
        {"resource list",
         {u"type_8", REG_RESOURCE_LIST, bytes({1, 2})},
         "\"type_8\"=hex(8):01,02\n"},
        {"type 10", {u"type_a", 10, bytes({1})}, "\"type_a\"=hex(a):01\n"},
        {"type 0x100", {u"type_100", 0x100, bytes({0xde, 0xad})}, "\"type_100\"=hex(100):de,ad\n"},
        {"type 0x12345678",
         {u"type_12345678", 0x12345678, bytes({0xff})},
         "\"type_12345678\"=hex(12345678):ff\n"},
        {"type 0xffffffff",
         {u"type_ffffffff", 0xffffffff, bytes({1})},
         "\"type_ffffffff\"=hex(ffffffff):01\n"},
        {"backslashes",
         {u"back\\slash", REG_SZ, sz(u"C:\\Windows\\x")},
         "\"back\\\\slash\"=\"C:\\\\Windows\\\\x\"\n"},
        {"quotes", {u"quote\"in", REG_SZ, sz(u"a\"b")}, "\"quote\\\"in\"=\"a\\\"b\"\n"},
        {"brackets are plain in values",
         {u"[brackets]", REG_SZ, sz(u"[x]")},
         "\"[brackets]\"=\"[x]\"\n"},
        {"printable ASCII as is",
         {u"p", REG_SZ, sz(u"a=b;x%1 %%it's")},
         "\"p\"=\"a=b;x%1 %%it's\"\n"},
        {"DEL as is",
         {u"d", REG_SZ,
          sz(u"a\x7f"
             u"b")},
         "\"d\"=\"a\x7f"
         "b\"\n"},
        {"line breaks", {u"nl", REG_SZ, sz(u"line1\nline2\rx")}, "\"nl\"=\"line1\\nline2\\rx\"\n"},
        {"tab in name and data", {u"tab\there", REG_SZ, sz(u"a\tb")}, "\"tab\\there\"=\"a\\tb\"\n"},
        {"control characters",
         {u"ctrl", REG_SZ,
          sz(u"\x01\x02x\x1b\a\b\v\f\x1f"
             u"7")},
         "\"ctrl\"=\"\\1\\2x\\e\\a\\b\\v\\f\\0377\"\n"},
        {"octal padded before an octal digit only",
         {u"o", REG_SZ,
          sz(std::u16string(u"\x01"
                            u"7\x01"
                            u"8\0"
                            u"0\0"
                            u"8",
                            8))},
         "\"o\"=\"\\0017\\18\\0000\\08\"\n"},
        {"blanks kept",
         {u"trailsp ", REG_SZ, sz(u" lead and trail ")},
         "\"trailsp \"=\" lead and trail \"\n"},
        {"backslash zero is text",
         {u"szwithzero", REG_SZ, sz(u"a\\0b")},
         "\"szwithzero\"=\"a\\\\0b\"\n"},
        {"Latin-1",
         {u"caf\u00e9", REG_SZ, sz(u"\u00e9col\u00e9 \u00f6")},
         "\"caf\\xe9\"=\"\\x00e9col\\xe9 \\xf6\"\n"},
        {"CJK",
         {u"chinese\u4e2d\u6587", REG_SZ, sz(u"\u4e2d\u6587\u5b57\u7b26")},
         "\"chinese\\x4e2d\\x6587\"=\"\\x4e2d\\x6587\\x5b57\\x7b26\"\n"},
        {"surrogate pair",
         {u"emoji\U0001F600", REG_SZ, sz(u"smile\U0001F600x")},
         "\"emoji\\xd83d\\xde00\"=\"smile\\xd83d\\xde00x\"\n"},
        {"hex padded before a hex digit only",
         {u"hexnext", REG_SZ,
          sz(u"\u00e9"
             u"a9 \u00e9"
             u"1 \u00e9z \u00f6")},
         "\"hexnext\"=\"\\x00e9a9 \\x00e91 \\xe9z \\xf6\"\n"},
        {"high Latin-1",
         {u"h", REG_SZ, sz(u"\u00ff\u00fe\u00a3\u00a0x")},
         "\"h\"=\"\\xff\\xfe\\xa3\\xa0x\"\n"},
        {"23 bytes fit on one line",
         {u"x", REG_BINARY, std::vector<uint8_t>(23, 0x11)},
         "\"x\"=hex:11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11\n"},
        {"24 bytes wrap after 23",
         {u"y", REG_BINARY, bytes({0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                   12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23})},
         "\"y\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\\n  "
         "17\n"},
        {"continuation lines hold 25 bytes",
         {u"w", REG_NONE, std::vector<uint8_t>(48, 0xab)},
         "\"w\"=hex(0):ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,\\\n"
         "  ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,\\\n  ab\n"},
        {"escaped name counts as written",
         {u"\u4e2d\u6587\u4e2d\u6587\u4e2d\u6587\u4e2d\u6587", REG_BINARY,
          std::vector<uint8_t>(9, 0)},
         "\"\\x4e2d\\x6587\\x4e2d\\x6587\\x4e2d\\x6587\\x4e2d\\x6587\"=hex:00,00,00,00,00,00,00,00,"
         "\\\n  00\n"},
        {"a long name wraps after every byte",
         {std::u16string(80, u'N'), REG_BINARY, bytes({1, 2})},
         "\"" + std::string(80, 'N') + "\"=hex:01,\\\n  02\n"},
        {"strings are never wrapped",
         {u"z", REG_SZ, sz(std::u16string(130, u'q'))},
         "\"z\"=\"" + std::string(130, 'q') + "\"\n"},
    };
    return lines;
}

TEST(HiveFormatTest, WriterProducesWinesValueLines) {
    for (const auto& c : valueLines()) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(writtenValueLines(c.value), c.line);
    }
}

TEST(HiveFormatTest, ReaderLoadsWinesValueLines) {
    for (const auto& c : valueLines()) {
        SCOPED_TRACE(c.what);
        const RegValue v = loadedValue(c.line);
        EXPECT_EQ(v.name, c.value.name);
        EXPECT_EQ(v.type, c.value.type);
        EXPECT_EQ(v.data, c.value.data);
    }
}

TEST(HiveFormatTest, ReaderAcceptsWhatWineAccepts) {
    const std::vector<ValueLine> cases = {
        {"blanks around =", {u"spaces", REG_SZ, sz(u"around")}, "\"spaces\" = \"around\"\n"},
        {"leading blanks and CRLF", {u"a", REG_SZ, sz(u"b")}, "   \t\"a\"=\"b\"\r\n"},
        {"str: tag", {u"s", REG_SZ, sz(u"x")}, "\"s\"=str:\"x\"\n"},
        {"junk after the closing quote",
         {u"trailing junk", REG_SZ, sz(u"abc")},
         "\"trailing junk\"=\"abc\" junk here\n"},
        {"quoted empty name is the default", {u"", REG_SZ, sz(u"d")}, "\"\"=\"d\"\n"},
        {"upper-case type number", {u"q", REG_QWORD, bytes({1})}, "\"q\"=hex(B):01\n"},
        {"upper-case hex bytes, blanks around commas",
         {u"h", REG_BINARY, bytes({0xaa, 0xbb, 0xcc})},
         "\"h\"=hex:AA,BB , CC\n"},
        {"one-digit bytes", {u"h", REG_BINARY, bytes({1, 2, 3})}, "\"h\"=hex:1,2,3\n"},
        {"trailing comma and blanks", {u"h", REG_BINARY, bytes({1})}, "\"h\"=hex:01, \n"},
        {"continuation with any indentation",
         {u"h", REG_BINARY, bytes({1, 2, 3})},
         "\"h\"=hex:01,\\ ignored\n02,\\\n\t    03\n"},
        {"empty continuation line ends the data",
         {u"h", REG_BINARY, bytes({1})},
         "\"h\"=hex:01,\\\n\n"},
        {"dword in upper case", {u"d", REG_DWORD, bytes({0xff, 0, 0, 0})}, "\"d\"=dword:FF\n"},
        {"dword stops at a non-digit",
         {u"d", REG_DWORD, bytes({0x12, 0, 0, 0})},
         "\"d\"=dword:12zz\n"},
        {"dword cut to 32 bits",
         {u"d", REG_DWORD, bytes({0x89, 0x67, 0x45, 0x23})},
         "\"d\"=dword:123456789\n"},
        {"dword with 0x and blanks",
         {u"d", REG_DWORD, bytes({0x10, 0, 0, 0})},
         "\"d\"=dword: 0x10\n"},
        {"dword negative", {u"d", REG_DWORD, bytes({0xff, 0xff, 0xff, 0xff})}, "\"d\"=dword:-1\n"},
        {"dword without digits", {u"d", REG_DWORD, bytes({0, 0, 0, 0})}, "\"d\"=dword:\n"},
        {"escapes of other characters", {u"e", REG_SZ, sz(u"qz[]")}, "\"e\"=\"\\q\\z\\[\\]\"\n"},
        {"hex escape is greedy up to four digits",
         {u"e", REG_SZ,
          sz(u"\u4e2d"
             u"0")},
         "\"e\"=\"\\x4e2d0\"\n"},
        {"hex escape without digits is x", {u"e", REG_SZ, sz(u"xg")}, "\"e\"=\"\\xg\"\n"},
        {"octal escape",
         {u"e", REG_SZ,
          sz(u"AA\x01"
             u"8")},
         "\"e\"=\"\\101\\x41\\18\"\n"},
        {"raw UTF-8",
         {u"caf\u00e9", REG_SZ, sz(u"\u00e9 \u4e2d \U0001F600")},
         "\"caf\xC3\xA9\"=\"\xC3\xA9 \xE4\xB8\xAD \xF0\x9F\x98\x80\"\n"},
        {"invalid UTF-8 is dropped",
         {u"i", REG_SZ, sz(u"a(b")},
         "\"i\"=\"a\xC3\x28\x80"
         "b\"\n"},
        {"well-formed hex(2) stays hex data",
         {u"e", REG_EXPAND_SZ, bytes({0x41, 0, 0, 0})},
         "\"e\"=hex(2):41,00,00,00\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const RegValue v = loadedValue(c.line);
        EXPECT_EQ(v.name, c.value.name);
        EXPECT_EQ(v.type, c.value.type);
        EXPECT_EQ(v.data, c.value.data);
    }
}

// ---------------------------------------------------------------------------------
// Keys, times and errors

TEST(HiveFormatTest, KeyLinesBuildTheTree) {
    const Hive hive =
        parse(std::string(kSignature) +
              "\n[Software\\\\FmtTest\\\\Keys\\\\\\x4e2d\\x6587] 0\n"
              "\n[Esc\\[aped\\]\\\\br\\]ack\\[et\\\\quo\"te] 0\n"
              "\n[A] 0\n\"dup\"=\"first\"\n\"DUP\"=\"second\"\n"
              "\n[a\\\\deep] 0\n"
              "\n[x\\\\\\\\y\\\\] 0\n"
              "\n[] 0\n\"rootval\"=\"r\"\n"
              "\n  [Software\\\\Indented] 0\n#link\n#class=\"My\\\"Class\"\n#unknown option\n");
    const RegKey& root = *hive.root;
    EXPECT_NE(findPath(root, {u"Software", u"FmtTest", u"Keys", u"\u4e2d\u6587"}), nullptr);
    EXPECT_NE(findPath(root, {u"Esc[aped]", u"br]ack[et", u"quo\"te"}), nullptr);
    const RegKey* a = root.findSubkey(u"a");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->name(), u"A");
    ASSERT_EQ(a->values().size(), 1u);
    EXPECT_EQ(a->values()[0].name, u"dup");
    EXPECT_EQ(a->values()[0].data, sz(u"second"));
    EXPECT_NE(a->findSubkey(u"deep"), nullptr);
    EXPECT_NE(findPath(root, {u"x", u"y"}), nullptr);
    ASSERT_NE(root.findValue(u"rootval"), nullptr);
    const RegKey* indented = findPath(root, {u"software", u"indented"});
    ASSERT_NE(indented, nullptr);
    EXPECT_TRUE(indented->isLink());
    EXPECT_EQ(indented->className(), std::u16string(u"My\"Class"));
}

TEST(HiveFormatTest, KeyTreeMayBe512LevelsDeep) {
    const Hive hive = parse(std::string(kSignature) + "\n[k" + repeated("\\\\k", 511) + "] 0\n");
    const RegKey* key = hive.root.get();
    int depth = 0;
    while (!key->subkeys().empty())
        key = key->subkeys()[0].get(), ++depth;
    EXPECT_EQ(depth, 512);
    EXPECT_EQ(parse(serializeHive(hive)).root->subkeys().size(), 1u);
}

TEST(HiveFormatTest, KeyTimesFollowWinesPrecedence) {
    constexpr uint64_t k1700000000 = 0x1da1747c66d0000ULL;
    struct Case {
        const char* what;
        std::string sections;
        std::initializer_list<std::u16string_view> path;
        uint64_t time;
    };
    const Case cases[] = {
        {"#time wins over the number",
         "\n[K] 1700000000\n#time=1dd89410062e23e\n",
         {u"K"},
         0x1dd89410062e23eULL},
        {"#time in upper case",
         "\n[K] 1700000000\n#time=1DD89410062E23E\n",
         {u"K"},
         0x1dd89410062e23eULL},
        {"the number without #time", "\n[K] 1700000000\n", {u"K"}, k1700000000},
        {"the number after blanks, junk after it",
         "\n[K]   1700000000 junk\n",
         {u"K"},
         k1700000000},
        {"the load time without either", "\n[K]\n", {u"K"}, kLoadTime},
        {"#time=0 counts as none", "\n[K] 1700000000\n#time=0\n", {u"K"}, k1700000000},
        {"implicit parents take the first section's time",
         "\n[P\\\\K] 1700000000\n\n[P\\\\L] 5\n",
         {u"P"},
         k1700000000},
        {"a second section's time is ignored",
         "\n[K] 1700000000\n\n[K] 5\n#time=1dd89410062e23e\n",
         {u"K"},
         k1700000000},
        {"a section after a sub-key's keeps the sub-key's time",
         "\n[K\\\\S] 1700000000\n\n[K] 5\n",
         {u"K"},
         k1700000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Hive hive = parse(kSignature + c.sections);
        const RegKey* key = findPath(*hive.root, c.path);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->time(), c.time);
    }
}

TEST(HiveFormatTest, ReaderRefusesWhatWineReportsWithFileAndLine) {
    struct Case {
        const char* what;
        std::string text;
        int line;
        std::string message;
    };
    const std::string ok = std::string(kSignature) + "\n[K] 0\n";
    const Case cases[] = {
        {"empty file", "", 1, "user.reg:1: not a valid registry file"},
        {"other version", "WINE REGISTRY Version 3\n", 1, "user.reg:1: not a valid registry file"},
        {"byte order mark", "\xEF\xBB\xBFWINE REGISTRY Version 2\n", 1,
         "user.reg:1: not a valid registry file"},
        {"unknown architecture", std::string(kSignature) + "#arch=win16\n", 2,
         "user.reg:2: Unknown architecture '#arch=win16'"},
        {"value before any key", std::string(kSignature) + "\n\"a\"=\"b\"\n", 3,
         "user.reg:3: Value without key '\"a\"=\"b\"'"},
        {"unrecognized line", ok + "bogus line\n", 4,
         "user.reg:4: Unrecognized input 'bogus line'"},
        {"key without closing bracket",
         std::string(kSignature) + "[Software\\\\Bad 1700000000\n\"b\"=\"2\"\n", 2,
         "user.reg:2: Malformed key '[Software\\\\Bad 1700000000'"},
        {"key path starting with a separator", std::string(kSignature) + "[\\\\x]\n", 2,
         "user.reg:2: Error creating key '[\\\\x]'"},
        {"key name too long", std::string(kSignature) + "[" + std::string(257, 'k') + "]\n", 2, ""},
        {"key tree deeper than 512 levels", std::string(kSignature) + "[k" + repeated("\\\\k", 512) + "]\n",
         2, ""},
        {"NUL in a key name", std::string(kSignature) + "[a\\0b]\n", 2,
         "user.reg:2: Malformed key '[a\\0b]'"},
        {"value name without closing quote", ok + "\"noquote=\"x\n", 4, ""},
        {"value name without =", ok + "\"a\" \"b\"\n", 4,
         "user.reg:4: Malformed value name '\"a\" \"b\"'"},
        {"@ followed by a name", ok + "@x=\"b\"\n", 4, ""},
        {"data without closing quote", ok + "\"noquote-end\"=\"abc\n", 4,
         "user.reg:4: Malformed value '\"noquote-end\"=\"abc'"},
        {"unknown tag", ok + "\"a\"=HEX:01\n", 4, ""},
        {"str(1) tag", ok + "\"a\"=str(1):\"x\"\n", 4, ""},
        {"capitalised dword", ok + "\"a\"=Dword:1\n", 4, ""},
        {"byte above ff", ok + "\"a\"=hex:0102\n", 4, ""},
        {"junk after bytes", ok + "\"a\"=hex:01,zz\n", 4, ""},
        {"double comma", ok + "\"a\"=hex:01,,02\n", 4, ""},
        {"bad byte on a continuation line", ok + "\"a\"=hex:01,\\\n  02,g\n", 5, ""},
        {"continuation at end of file", ok + "\"a\"=hex:01,\\", 4, ""},
        {"hex( without ):", ok + "\"a\"=hex(4:01\n", 4, ""},
        {"class without quotes", ok + "#class=abc\n", 4,
         "user.reg:4: Malformed class '#class=abc'"},
        {"NUL byte in a line", ok + std::string("\"a\"=\"b\0c\"\n", 10), 4, ""},
        {"NUL byte on a continuation line", ok + "\"a\"=hex:01,\\\n  02" + std::string(1, '\0') + "\n", 5,
         ""},
        {"data ending in an escaped quote", ok + "\"a\"=\"x\\\"\n", 4, ""},
        {"value name ending in a backslash", ok + "\"a\\", 4, ""},
        {"a damaged value far below its key", ok + repeated("\"v\"=dword:1\n", 50) + "\"w\"=str(2):\"x\n",
         54, ""},
        {"error after CRLF lines", std::string("WINE REGISTRY Version 2\r\n\r\n[K]\r\nzz\r\n"), 4,
         "user.reg:4: Unrecognized input 'zz'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            parse(c.text);
            ADD_FAILURE() << "loaded";
        } catch (const HiveParseError& e) {
            EXPECT_EQ(e.line(), c.line);
            if (!c.message.empty())
                EXPECT_EQ(std::string(e.what()), c.message);
            else
                EXPECT_EQ(
                    std::string(e.what()).rfind("user.reg:" + std::to_string(c.line) + ": ", 0), 0u)
                    << e.what();
        }
    }
}

TEST(HiveFormatTest, ErrorQuotesAreShortenedForHugeLines) {
    try {
        parse(std::string(kSignature) + std::string(100000, 'z') + "\n");
        ADD_FAILURE() << "loaded";
    } catch (const HiveParseError& e) {
        EXPECT_LT(std::string(e.what()).size(), 200u);
    }
}

TEST(ClockTest, FixedTimeForTestsAndWindowsFiletimeOtherwise) {
    Clock::fix(kLoadTime);
    EXPECT_EQ(Clock::now(), kLoadTime);
    Clock::fix(std::nullopt);
    // FILETIME of 2020-01-01 and 2200-01-01: the real clock counts from 1601.
    EXPECT_GT(Clock::now(), 0x1d5c03669050000ULL);
    EXPECT_LT(Clock::now(), 0x29f8e129ef10000ULL);
}

// ---------------------------------------------------------------------------------
// The in-memory key

TEST(RegKeyTest, ValuesAndSubkeysStaySortedAndKeepTheirFirstSpelling) {
    RegKey key(u"K", 1);
    for (auto name : {u"b", u"A_", u"a", u"", u"\u00e9", u"Zed"})
        EXPECT_TRUE(key.setValue(name, REG_SZ, sz(name)));
    EXPECT_TRUE(key.setValue(u"\u00c9", REG_SZ, sz(u"\u00c9")));
    std::vector<std::u16string> names;
    for (const auto& v : key.values())
        names.push_back(v.name);
    EXPECT_EQ(names, (std::vector<std::u16string>{u"", u"a", u"A_", u"b", u"Zed", u"\u00e9"}));
    EXPECT_EQ(key.findValue(u"\u00c9")->data, sz(u"\u00c9"));

    bool created = false;
    RegKey& sub = key.createSubkey(u"Sub", 2, &created);
    EXPECT_TRUE(created);
    EXPECT_EQ(&key.createSubkey(u"SUB", 3, &created), &sub);
    EXPECT_FALSE(created);
    EXPECT_EQ(sub.name(), u"Sub");
    EXPECT_EQ(sub.time(), 2u);
    EXPECT_TRUE(key.deleteSubkey(u"sub"));
    EXPECT_FALSE(key.deleteSubkey(u"sub"));
    EXPECT_EQ(key.findSubkey(u"Sub"), nullptr);
    EXPECT_TRUE(key.deleteValue(u"ZED"));
    EXPECT_FALSE(key.deleteValue(u"ZED"));
}

TEST(RegKeyTest, EveryChangeToTheKeyDropsItsSectionText) {
    struct Case {
        const char* what;
        void (*change)(RegKey&);
        bool dropsText;
    };
    const Case cases[] = {
        {"new value", [](RegKey& k) { k.setValue(u"new", REG_SZ, sz(u"")); }, true},
        {"changed data", [](RegKey& k) { k.setValue(u"V", REG_SZ, sz(u"other")); }, true},
        {"changed type", [](RegKey& k) { k.setValue(u"v", REG_EXPAND_SZ, sz(u"x")); }, true},
        {"same type and data", [](RegKey& k) { EXPECT_FALSE(k.setValue(u"V", REG_SZ, sz(u"x"))); },
         false},
        {"deleted value", [](RegKey& k) { k.deleteValue(u"v"); }, true},
        {"missing value deleted", [](RegKey& k) { k.deleteValue(u"none"); }, false},
        {"time", [](RegKey& k) { k.setTime(2); }, true},
        {"same time", [](RegKey& k) { k.setTime(1); }, false},
        {"class", [](RegKey& k) { k.setClassName(u"c"); }, true},
        {"link", [](RegKey& k) { k.setLink(true); }, true},
        {"new sub-key", [](RegKey& k) { k.createSubkey(u"s", 1); }, false},
        {"deleted sub-key", [](RegKey& k) { k.deleteSubkey(u"Old"); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RegKey key(u"K", 1);
        key.setValue(u"v", REG_SZ, sz(u"x"));
        key.createSubkey(u"Old", 1);
        key.setRawSection("[K] 0\n");
        c.change(key);
        EXPECT_EQ(!key.rawSection().has_value(), c.dropsText);
    }
}

TEST(RegKeyTest, CloneIsDeepAndIndependent) {
    RegKey key(u"K", 1);
    key.setValue(u"v", REG_SZ, sz(u"x"));
    key.setClassName(u"cls");
    key.createSubkey(u"S", 2).createSubkey(u"T", 3).setLink(true);
    key.setRawSection("raw");
    auto copy = key.clone();
    key.findSubkey(u"S")->deleteSubkey(u"T");
    key.setValue(u"v", REG_SZ, sz(u"y"));
    EXPECT_EQ(copy->findValue(u"v")->data, sz(u"x"));
    EXPECT_EQ(copy->className(), std::u16string(u"cls"));
    EXPECT_EQ(copy->rawSection(), std::string("raw"));
    const RegKey* t = findPath(*copy, {u"S", u"T"});
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->isLink());
    EXPECT_EQ(t->time(), 3u);
}

TEST(RegKeyTest, LoadedKeysAndTheirClonesOwnTheTextTheyPointInto) {
    std::unique_ptr<RegKey> copy;
    {
        // The text and the hive are gone before the copy is used: its kept section and
        // undecoded values must not point into freed memory.
        std::string text = std::string(kSignature) + "\n[K] 1700000000\n\"v\"=hex:01,02,\\\n  03\n\"s\"=\"x\"\n";
        Hive hive = parse(text);
        text.assign(text.size(), '#');
        copy = hive.root->findSubkey(u"K")->clone();
    }
    ASSERT_TRUE(copy->rawSection());
    EXPECT_EQ(*copy->rawSection(), "[K] 1700000000\n\"v\"=hex:01,02,\\\n  03\n\"s\"=\"x\"\n");
    ASSERT_EQ(copy->values().size(), 2u);
    EXPECT_EQ(copy->findValue(u"v")->data, bytes({1, 2, 3}));
    EXPECT_EQ(copy->findValue(u"S")->data, sz(u"x"));
}

TEST(WineEscapeTest, FindingTheEndAgreesWithDecoding) {
    // The loader only finds where names and strings end; the decoder must end at the
    // same place, or a file that loaded could not be decoded.
    const std::string cases[] = {
        "plain\"rest", "esc\\\"aped\"x", "back\\\\\"x", "\\x41\"x", "\\x\"x", "\\x12345\"x",
        "\\0\"x", "\\777\"x", "\\\xc3\xa9\"x", "\xe4\xb8\"x", "\xf0\x9f\x98\x80\"x",
        // unterminated
        "no end", "", "trailing\\", "\\", "\\\"",
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text);
        std::u16string decoded;
        EXPECT_EQ(skipWineEscaped(text, 0, '"'), parseWineEscaped(text, 0, '"', decoded));
        decoded.clear();
        EXPECT_EQ(skipWineEscaped(text, 0, ']'), parseWineEscaped(text, 0, ']', decoded));
    }
}

} // namespace
