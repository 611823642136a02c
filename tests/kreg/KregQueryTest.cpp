// kreg query: value lines for every type, the layouts with and without /s, /v and /ve,
// and reg's messages and exit codes.
#include "KregTestSupport.h"

namespace {

struct ValueCase {
    const char* label;
    const char* name;
    uint32_t type;
    std::vector<uint8_t> data;
    const char* queryLine; // without the leading four spaces and the final CR LF
    const char* exportLine;
};

// Data as Wine stores it (the examples of Wine's own files) and the lines Wine's reg
// prints for it; the rows marked "Wine prints" are where kreg shows the data instead
// of what Wine's reg prints.
std::vector<ValueCase> valueCases()
{
    return {
        {"string", "sz", REG_SZ, utf16z("hello world"), "sz    REG_SZ    hello world",
         "\"sz\"=\"hello world\""},
        {"empty string", "emptysz", REG_SZ, utf16z(""), "emptysz    REG_SZ    ",
         "\"emptysz\"=\"\""},
        {"string ends at its first NUL", "nul", REG_SZ, {0x41, 0, 0, 0, 0x42, 0, 0, 0},
         "nul    REG_SZ    A", "\"nul\"=\"A\""},
        // Wine prints leftover buffer bytes for zero-length strings.
        {"zero-length string", "zero", REG_SZ, {}, "zero    REG_SZ    ", "\"zero\"=\"\""},
        {"odd-length string", "odd", REG_SZ, {0x41, 0, 0, 0, 0}, "odd    REG_SZ    A",
         "\"odd\"=\"A\""},
        {"unterminated string loses its last unit in export", "noterm", REG_SZ,
         {0x41, 0, 0x42, 0, 0x43, 0}, "noterm    REG_SZ    ABC", "\"noterm\"=\"AB\""},
        {"escapes in name and data", "quote\"in", REG_SZ, utf16z("a\"b\\c"),
         "quote\"in    REG_SZ    a\"b\\c", "\"quote\\\"in\"=\"a\\\"b\\\\c\""},
        {"line breaks are raw in query, escaped in export", "nl", REG_SZ,
         utf16z("line1\nline2\rx"), "nl    REG_SZ    line1\nline2\rx",
         "\"nl\"=\"line1\\nline2\\rx\""},
        {"expandable string", "expand", REG_EXPAND_SZ, utf16z("%PATH%;x"),
         "expand    REG_EXPAND_SZ    %PATH%;x",
         "\"expand\"=hex(2):25,00,50,00,41,00,54,00,48,00,25,00,3b,00,78,00,00,00"},
        {"multi-string", "multi", REG_MULTI_SZ, utf16z(std::string("one\0two\0three\0", 14)),
         "multi    REG_MULTI_SZ    one\\0two\\0three",
         "\"multi\"=hex(7):6f,00,6e,00,65,00,00,00,74,00,77,00,6f,00,00,00,74,00,68,00,72,\\\r\n"
         "  00,65,00,65,00,00,00,00,00"},
        {"multi-string with empty strings inside", "gaps", REG_MULTI_SZ,
         {0x41, 0, 0, 0, 0, 0, 0x42, 0, 0, 0, 0, 0}, "gaps    REG_MULTI_SZ    A\\0\\0B",
         "\"gaps\"=hex(7):41,00,00,00,00,00,42,00,00,00,00,00"},
        // Wine prints nothing: it drops two units whatever they are.
        {"multi-string with one terminator", "one", REG_MULTI_SZ, {0x41, 0, 0, 0},
         "one    REG_MULTI_SZ    A", "\"one\"=hex(7):41,00,00,00"},
        {"dword", "dw", REG_DWORD, {0x78, 0x56, 0x34, 0x12}, "dw    REG_DWORD    0x12345678",
         "\"dw\"=dword:12345678"},
        {"small dword has no padding", "two", REG_DWORD, {2, 0, 0, 0}, "two    REG_DWORD    0x2",
         "\"two\"=dword:00000002"},
        {"long dword shows its first four bytes", "long", REG_DWORD, {1, 2, 3, 4, 5},
         "long    REG_DWORD    0x4030201", "\"long\"=dword:04030201"},
        // Wine prints and exports leftover buffer bytes for short dwords.
        {"short dword", "short", REG_DWORD, {1, 2}, "short    REG_DWORD    0x201",
         "\"short\"=hex(4):01,02"},
        {"zero-length dword", "none4", REG_DWORD, {}, "none4    REG_DWORD    ",
         "\"none4\"=hex(4):"},
        {"big-endian dword is not swapped", "dwbe", REG_DWORD_BIG_ENDIAN, {1, 0, 0, 0},
         "dwbe    REG_DWORD_BIG_ENDIAN    0x1", "\"dwbe\"=hex(5):01,00,00,00"},
        // Wine prints "(null)".
        {"qword", "qw", REG_QWORD, {0xf0, 0xde, 0xbc, 0x9a, 0x78, 0x56, 0x34, 0x12},
         "qw    REG_QWORD    0x123456789abcdef0", "\"qw\"=hex(b):f0,de,bc,9a,78,56,34,12"},
        {"binary", "bin", REG_BINARY, {1, 2, 0xab, 0xcd, 0xef}, "bin    REG_BINARY    0102ABCDEF",
         "\"bin\"=hex:01,02,ab,cd,ef"},
        {"empty binary", "emptybin", REG_BINARY, {}, "emptybin    REG_BINARY    ",
         "\"emptybin\"=hex:"},
        {"none", "none", REG_NONE, utf16z("abc"), "none    REG_NONE    6100620063000000",
         "\"none\"=hex(0):61,00,62,00,63,00,00,00"},
        {"link", "lnk", REG_LINK, {0x5c, 0}, "lnk    (null)    (null)", "\"lnk\"=hex(6):5c,00"},
        {"unknown type", "t100", 0x100, {0xde, 0xad}, "t100    (null)    (null)",
         "\"t100\"=hex(100):de,ad"},
        {"default value", "", REG_SZ, utf16z("default data"), "(Default)    REG_SZ    default data",
         "@=\"default data\""},
    };
}

} // namespace

TEST_F(KregTest, QueryAndExportPrintEveryTypeAsRegDoes)
{
    for (const ValueCase& c : valueCases()) {
        SCOPED_TRACE(c.label);
        put("Software\\V", c.name, c.type, c.data);
        const KregResult q = kreg({"query", "HKCU\\Software\\V", "/v", c.name});
        if (!*c.name) {
            EXPECT_EQ(kreg({"query", "HKCU\\Software\\V", "/ve"}).out, q.out);
        }
        EXPECT_EQ(q.code, 0);
        EXPECT_EQ(q.out, std::string("\r\nHKEY_CURRENT_USER\\Software\\V\r\n    ") + c.queryLine +
                             "\r\n\r\n");

        const auto file = dir / "v.reg";
        ASSERT_EQ(kreg({"export", "HKCU\\Software\\V", file.string(), "/y"}).code, 0);
        const std::string expected = utf16File(std::string("Windows Registry Editor Version 5.00\r\n"
                                                           "\r\n[HKEY_CURRENT_USER\\Software\\V]\r\n") +
                                               c.exportLine + "\r\n\r\n");
        EXPECT_EQ(readFile(file), expected);
        kreg({"delete", "HKCU\\Software\\V", "/f"});
    }
}

// A small tree: values in the key, an empty sub-key, and a deeper branch whose middle
// key has no values.
class KregQueryLayoutTest : public KregTest {
protected:
    void SetUp() override
    {
        KregTest::SetUp();
        put("Software\\T", "", REG_SZ, utf16z("top"));
        put("Software\\T", "a", REG_SZ, utf16z("1"));
        putKey("Software\\T\\Empty");
        put("Software\\T\\Sub\\Deep", "", REG_SZ, utf16z("deep"));
        put("Software\\T\\Sub\\Deep", "a", REG_DWORD, {7, 0, 0, 0});
        putKey("Software\\Bare\\Leaf");
    }
};

TEST_F(KregQueryLayoutTest, ListsAsRegDoes)
{
    struct Case {
        const char* label;
        std::vector<std::string> args;
        int code;
        std::string out;
    };
    const std::string T = "HKEY_CURRENT_USER\\Software\\T";
    const Case cases[] = {
        {"values then sub-keys", {"query", "HKCU\\Software\\T"}, 0,
         "\r\n" + T + "\r\n    (Default)    REG_SZ    top\r\n    a    REG_SZ    1\r\n\r\n" + T +
             "\\Empty\r\n" + T + "\\Sub\r\n"},
        {"the path is printed as typed, one trailing backslash removed",
         {"query", "hkcu\\software\\t\\sub\\"}, 0,
         "\r\nHKEY_CURRENT_USER\\software\\t\\sub\\Deep\r\n"},
        {"recursive", {"QUERY", "HKEY_CURRENT_USER\\Software\\T", "/s"}, 0,
         "\r\n" + T + "\r\n    (Default)    REG_SZ    top\r\n    a    REG_SZ    1\r\n\r\n" + T +
             "\\Empty\r\n\r\n" + T + "\\Sub\r\n\r\n" + T +
             "\\Sub\\Deep\r\n    (Default)    REG_SZ    deep\r\n    a    REG_DWORD    0x7\r\n\r\n"},
        {"no values, no sub-keys", {"query", "HKCU\\Software\\T\\Empty"}, 0, "\r\n"},
        {"no values, no sub-keys, recursive", {"query", "HKCU\\Software\\T\\Empty", "/s"}, 0,
         "\r\n"},
        {"no values, one sub-key", {"query", "HKCU\\Software\\Bare"}, 0,
         "\r\nHKEY_CURRENT_USER\\Software\\Bare\\Leaf\r\n"},
        {"no values, one sub-key, recursive", {"query", "HKCU\\Software\\Bare", "/s"}, 0,
         "\r\nHKEY_CURRENT_USER\\Software\\Bare\\Leaf\r\n\r\n"},
        {"/v prints the name as typed", {"query", "HKCU\\Software\\T", "/v", "A"}, 0,
         "\r\n" + T + "\r\n    A    REG_SZ    1\r\n\r\n"},
        {"/v \"\" is the default value", {"query", "HKCU\\Software\\T", "/v", ""}, 0,
         "\r\n" + T + "\r\n    (Default)    REG_SZ    top\r\n\r\n"},
        {"/ve without a default value", {"query", "HKCU\\Software\\T\\Sub", "/ve"}, 0,
         "\r\n" + T + "\\Sub\r\n    (Default)    REG_SZ    (value not set)\r\n"},
        {"/v missing", {"query", "HKCU\\Software\\T", "/v", "nope"}, 1,
         "\r\nreg: Unable to find the specified registry value\r\n"},
        {"/v with /s counts the matches", {"query", "HKCU\\Software\\T", "-V", "a", "-S"}, 0,
         "\r\n" + T + "\r\n    a    REG_SZ    1\r\n\r\n" + T +
             "\\Sub\\Deep\r\n    a    REG_DWORD    0x7\r\n\r\n"
             "Search complete. Number of matches found: 2\r\n"},
        {"/ve with /s skips keys without a default",
         {"query", "HKCU\\Software\\T\\Sub", "/ve", "/s"}, 0,
         "\r\n" + T + "\\Sub\\Deep\r\n    (Default)    REG_SZ    deep\r\n\r\n"
                      "Search complete. Number of matches found: 1\r\n"},
        {"/v with /s and no match", {"query", "HKCU\\Software\\T", "/v", "zz", "/s"}, 0,
         "\r\nSearch complete. Number of matches found: 0\r\n"},
        {"/reg:64 is accepted", {"query", "HKCU\\Software\\T\\Sub", "/reg:64"}, 0,
         "\r\n" + T + "\\Sub\\Deep\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const KregResult r = kreg(c.args);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.code, c.code);
    }
}

TEST_F(KregTest, NonAsciiNamesAndDataArePrintedInUtf8)
{
    put("Software\\caf\xc3\xa9", "\xe4\xb8\xad", REG_SZ, utf16z("\xc3\xa9\xf0\x9f\x98\x80"));
    const KregResult r = kreg({"query", "HKCU\\Software\\CAF\xc3\x89"});
    EXPECT_EQ(r.out, "\r\nHKEY_CURRENT_USER\\Software\\CAF\xc3\x89\r\n"
                     "    \xe4\xb8\xad    REG_SZ    \xc3\xa9\xf0\x9f\x98\x80\r\n\r\n");
}

TEST_F(KregTest, FollowsSymbolicLinksAsWineDoes)
{
    put("Software\\Target\\Inner", "x", REG_SZ, utf16z("through the link"));
    std::vector<uint8_t> target;
    for (char16_t u : toUtf16("\\Registry\\User\\S-1-5-21-0-0-0-1000\\Software\\Target")) {
        target.push_back(static_cast<uint8_t>(u));
        target.push_back(static_cast<uint8_t>(u >> 8));
    }
    {
        Store store(prefix);
        Store::Edit edit(store);
        edit.createKey(HKEY_CURRENT_USER, u"Software\\Link");
        edit.setValue(HKEY_CURRENT_USER, u"Software\\Link", u"SymbolicLinkValue", REG_LINK, target);
        edit.commit();
    }
    // Marking the key as a link is the hive format's business; write it as Wine does.
    std::string hive = readFile(prefix / "user.reg");
    const size_t at = hive.find("\"SymbolicLinkValue\"");
    ASSERT_NE(at, std::string::npos);
    hive.insert(at, "#link\n");
    writeFile(prefix / "user.reg", hive);

    EXPECT_EQ(kreg({"query", "HKCU\\Software\\Link\\Inner", "/v", "x"}).out,
              "\r\nHKEY_CURRENT_USER\\Software\\Link\\Inner\r\n    x    REG_SZ    through the link\r\n\r\n");
    EXPECT_EQ(kreg({"query", "HKCU\\Software\\Link", "/s"}).out,
              "\r\nHKEY_CURRENT_USER\\Software\\Link\\Inner\r\n    x    REG_SZ    through the link\r\n\r\n");
}

TEST_F(KregTest, MessagesAndExitCodesAreReg)
{
    put("Software\\T", "x", REG_SZ, utf16z("1"));
    struct Case {
        std::vector<std::string> args;
        std::string out;
        int code;
    };
    const std::string syntax = "reg: Invalid syntax. Type \"REG QUERY /?\" for help.\r\n";
    const Case cases[] = {
        {{}, "reg: Invalid syntax. Type \"REG /?\" for help.\r\n", 1},
        {{"foo"}, "reg: Invalid option [foo]. Type \"REG /?\" for help.\r\n", 1},
        {{"copy", "HKCU\\a", "HKCU\\b"}, "reg: Invalid option [copy]. Type \"REG /?\" for help.\r\n", 1},
        {{"query"}, syntax, 1},
        {{"Query"}, "reg: Invalid syntax. Type \"REG QUERY /?\" for help.\r\n", 1},
        {{"query", "/?", "x"}, syntax, 1},
        {{"query", "HKCU\\Software\\T", "/v"}, syntax, 1},
        {{"query", "HKCU\\Software\\T", "/v", "x", "/ve"}, syntax, 1},
        {{"query", "HKCU\\Software\\T", "/s", "/s"}, syntax, 1},
        {{"query", "HKCU\\Software\\T", "/reg:32", "/reg:64"}, syntax, 1},
        {{"query", "HKCU\\Software\\T", "extra"}, syntax, 1},
        {{"query", "HKCU\\Software\\T", "/x"}, syntax, 1},
        {{"query", "HKCU\\Software\\Nope"}, "reg: Unable to find the specified registry key\r\n", 1},
        {{"query", "HKCU\\Software\\Nope", "/s"}, "reg: Unable to find the specified registry key\r\n", 1},
        {{"query", "HKXX\\Software"}, "reg: Invalid system key\r\n", 1},
        {{"query", "HKCU\\"}, "reg: Invalid system key\r\n", 1},
        {{"query", "HKCUX"}, "reg: Invalid system key\r\n", 1},
        {{"query", "HK"}, "reg: Invalid registry key\r\n", 1},
        {{"query", "HKCU\\Software\\\\"}, "reg: Invalid registry key\r\n", 1},
        {{"query", "\\\\host\\HKCU"}, "reg: Unable to access remote machine\r\n", 1},
        // The key is checked before the switches, as reg does.
        {{"query", "HKXX", "/bogus"}, "reg: Invalid system key\r\n", 1},
        {{"add", "HKCU\\Software\\T", "/v", "x", "/d", "1", "/d", "2", "/f"},
         "reg: Invalid syntax. Type \"REG ADD /?\" for help.\r\n", 1},
        {{"add", "HKCU\\Software\\T", "/v", "m", "/t", "REG_MULTI_SZ", "/s", "##", "/d", "a", "/f"},
         "reg: Invalid syntax. Type \"REG ADD /?\" for help.\r\n", 1},
        {{"add", "HKCU\\Software\\T", "/v", "x", "/t", "REG_FOO", "/f"},
         "reg: Unsupported registry data type [REG_FOO]\r\n", 1},
        {{"add", "HKCU\\Software\\T", "/v", "x", "/t", "REG_LINK", "/d", "1", "/f"},
         "reg: Unsupported registry data type [REG_LINK]\r\n", 1},
        {{"add", "HKCU\\Software\\T", "/v", "x", "/t", "REG_DWORD", "/f"},
         "reg: Invalid command line parameters\r\n", 1},
        {{"add", "HKCU\\Software\\T", "/v", "x", "/t", "REG_DWORD", "/d", "xyz", "/f"},
         "reg: The option [/d] must be followed by a valid numeric value\r\n", 1},
        {{"add", "HKCU\\Software\\T", "/v", "x", "/t", "REG_DWORD", "/d", "-1", "/f"},
         "reg: The option [/d] must be followed by a valid numeric value\r\n", 1},
        {{"add", "HKCU\\Software\\T", "/v", "x", "/t", "REG_DWORD", "/d", "4294967296", "/f"},
         "reg: The option [/d] must be followed by a valid numeric value\r\n", 1},
        {{"add", "HKCU\\Software\\T", "/v", "x", "/t", "REG_QWORD", "/d", "18446744073709551616", "/f"},
         "reg: The option [/d] must be followed by a valid numeric value\r\n", 1},
        {{"add", "HKCU\\Software\\T", "/v", "x", "/t", "REG_BINARY", "/d", "xyz", "/f"},
         "reg: The option [/d] must be followed by a valid hexadecimal value\r\n", 1},
        {{"add", "HKCU\\Software\\T", "/v", "x", "/t", "REG_MULTI_SZ", "/d", "a\\0\\0b", "/f"},
         "reg: The option [/d] must be followed by a valid string\r\n", 1},
        {{"add", "HKCU\\Software\\T", "/v", "x", "/t", "REG_MULTI_SZ", "/d", "\\0a", "/f"},
         "reg: The option [/d] must be followed by a valid string\r\n", 1},
        {{"delete", "HKCU\\Software\\T", "/v", "nope", "/f"},
         "reg: Unable to find the specified registry value\r\n", 1},
        {{"delete", "HKCU\\Software\\T", "/ve", "/f"},
         "reg: Unable to find the specified registry value\r\n", 1},
        {{"delete", "HKCU\\Software\\Nope", "/v", "x", "/f"},
         "reg: Unable to find the specified registry key\r\n", 1},
        {{"delete", "HKCU\\Software\\T", "/va", "/ve", "/f"},
         "reg: Invalid syntax. Type \"REG DELETE /?\" for help.\r\n", 1},
        // Wine's reg empties the whole hive here.
        {{"delete", "HKCU", "/f"}, "reg: Invalid registry key\r\n", 1},
        {{"export", "HKCU\\Software\\T"}, "reg: Invalid syntax. Type \"REG EXPORT /?\" for help.\r\n", 1},
        {{"export", "HKCU\\Software\\Nope", "x.reg"}, "reg: Unable to find the specified registry key\r\n", 1},
        {{"import"}, "reg: Invalid syntax. Type \"REG IMPORT /?\" for help.\r\n", 1},
        {{"import", "a.reg", "b.reg"}, "reg: Invalid syntax. Type \"REG IMPORT /?\" for help.\r\n", 1},
        {{"import", "/nonexistent/missing.reg"}, "reg: The file '/nonexistent/missing.reg' was not found.\r\n", 1},
    };
    const std::string before = readFile(prefix / "user.reg");
    for (const Case& c : cases) {
        std::string label;
        for (const std::string& a : c.args)
            label += a + " ";
        SCOPED_TRACE(label);
        const KregResult r = kreg(c.args);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.code, c.code);
    }
    EXPECT_EQ(readFile(prefix / "user.reg"), before) << "a refused command changed the store";
}

TEST_F(KregTest, HelpTextsEndWithSuccess)
{
    for (const char* op : {"query", "add", "delete", "export", "import"}) {
        SCOPED_TRACE(op);
        const KregResult r = kreg({op, "/?"});
        EXPECT_EQ(r.code, 0);
        EXPECT_TRUE(r.out.starts_with("REG ")) << r.out;
    }
    const KregResult top = kreg({"/?"});
    EXPECT_EQ(top.code, 0);
    EXPECT_TRUE(top.out.starts_with("Usage:\r\n"));
}
