// kreg export and import: whole files compared byte for byte in both formats, hex
// wrapping, deletions and continued lines, files refused whole, and round trips.
#include "KregTestSupport.h"

namespace {

std::vector<uint8_t> counting(size_t n)
{
    std::vector<uint8_t> bytes(n);
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<uint8_t>(i);
    return bytes;
}

} // namespace

class KregExportTest : public KregTest {
protected:
    void SetUp() override
    {
        KregTest::SetUp();
        put("Software\\E", "", REG_SZ, utf16z("caf\xc3\xa9 \xe2\x82\xac \xc4\x80 \xe4\xb8\xad"));
        put("Software\\E", "expand", REG_EXPAND_SZ, utf16z("%PATH%\xc3\xa9"));
        put("Software\\E", "multi", REG_MULTI_SZ, utf16z(std::string("one\0two\0", 8)));
        put("Software\\E", "y", REG_BINARY, counting(24));
        putKey("Software\\E\\Middle\\Leaf");
        put("Software\\E\\br]ack[et", "dw", REG_DWORD, {0xef, 0xbe, 0xad, 0xde});
    }
};

TEST_F(KregExportTest, WritesVersion5AsWineDoes)
{
    const auto file = dir / "e.reg";
    const KregResult r = kreg({"export", "HKCU\\Software\\E", file.string()});
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(readFile(file),
              utf16File("Windows Registry Editor Version 5.00\r\n"
                        "\r\n"
                        "[HKEY_CURRENT_USER\\Software\\E]\r\n"
                        "@=\"caf\xc3\xa9 \xe2\x82\xac \xc4\x80 \xe4\xb8\xad\"\r\n"
                        "\"expand\"=hex(2):25,00,50,00,41,00,54,00,48,00,25,00,e9,00,00,00\r\n"
                        "\"multi\"=hex(7):6f,00,6e,00,65,00,00,00,74,00,77,00,6f,00,00,00,00,00\r\n"
                        "\"y\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\\r\n"
                        "  17\r\n"
                        "\r\n"
                        "[HKEY_CURRENT_USER\\Software\\E\\br]ack[et]\r\n"
                        "\"dw\"=dword:deadbeef\r\n"
                        "\r\n"
                        "[HKEY_CURRENT_USER\\Software\\E\\Middle]\r\n"
                        "\r\n"
                        "[HKEY_CURRENT_USER\\Software\\E\\Middle\\Leaf]\r\n"
                        "\r\n"));
}

TEST_F(KregExportTest, WritesRegedit4InCodePage1252)
{
    const auto file = dir / "e4.reg";
    ASSERT_EQ(kreg({"export", "HKCU\\Software\\E\\", file.string(), "--regedit4"}).code, 0);
    // e-acute and the euro sign are in 1252, A-macron is best-fitted, Chinese is not.
    EXPECT_EQ(readFile(file),
              "REGEDIT4\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software\\E]\r\n"
              "@=\"caf\xe9 \x80 A ?\"\r\n"
              "\"expand\"=hex(2):25,50,41,54,48,25,e9,00\r\n"
              "\"multi\"=hex(7):6f,6e,65,00,74,77,6f,00,00\r\n"
              "\"y\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\\r\n"
              "  17\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software\\E\\br]ack[et]\r\n"
              "\"dw\"=dword:deadbeef\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software\\E\\Middle]\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software\\E\\Middle\\Leaf]\r\n"
              "\r\n");
}

TEST_F(KregTest, HexWrapsWhereWineWrapsIt)
{
    struct Case {
        std::string name;
        uint32_t type;
        size_t bytes;
        size_t onFirstLine;
    };
    // First-line byte counts Wine wrote for these name and tag lengths.
    const Case cases[] = {
        {"x", REG_BINARY, 23, 23},
        {"y", REG_BINARY, 24, 23},
        {"w", REG_NONE, 30, 22},
        {"SymbolicLinkValue", 0x20, 60, 17},
        {std::string(69, 'L'), REG_BINARY, 3, 1},
        {"\xe4\xb8\xad\xe6\x96\x87\xe4\xb8\xad\xe6\x96\x87\xe4\xb8\xad\xe6\x96\x87\xe4\xb8\xad\xe6\x96\x87",
         REG_BINARY, 30, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        put("Software\\W", c.name, c.type, counting(c.bytes));
        const auto file = dir / "w.reg";
        ASSERT_EQ(kreg({"export", "HKCU\\Software\\W", file.string(), "/y", "--regedit4"}).code, 0);
        std::string text = readFile(file);
        text = text.substr(text.find("]\r\n") + 3);
        const std::string first = text.substr(0, text.find("\r\n"));
        const size_t commas = static_cast<size_t>(std::count(first.begin(), first.end(), ','));
        EXPECT_EQ(commas + (c.bytes == c.onFirstLine ? 1 : 0), c.onFirstLine) << first;
        EXPECT_EQ(first.back() == '\\', c.bytes > c.onFirstLine);
        // Continuation lines hold 25 bytes: two blanks, 25 times "xx,", the backslash.
        const size_t second = text.find("\r\n") + 2;
        if (c.bytes > c.onFirstLine + 25) {
            EXPECT_EQ(text.find("\r\n", second) - second, 2u + 25 * 3 + 1);
        }
        kreg({"delete", "HKCU\\Software\\W", "/f"});
    }
}

TEST_F(KregExportTest, AsksBeforeOverwritingAFileAndReportsFolderErrors)
{
    const auto file = dir / "exists.reg";
    writeFile(file, "keep");
    const std::string prompt =
        "The file '" + file.string() + "' already exists. Do you want to overwrite it? (Yes|No)";
    for (const char* input : {"", "n\n"}) {
        const KregResult r = kreg({"export", "HKCU\\Software\\E", file.string()}, input);
        EXPECT_EQ(r.out, prompt + "reg: The registry operation was cancelled\r\n");
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(readFile(file), "keep");
    }
    EXPECT_EQ(kreg({"export", "HKCU\\Software\\E", file.string()}, "y\n").out, prompt);
    EXPECT_NE(readFile(file), "keep");

    const KregResult missing =
        kreg({"export", "HKCU\\Software\\E", (dir / "no" / "such" / "x.reg").string(), "/y"});
    EXPECT_EQ(missing.out, "Path not found.\r\n");
    EXPECT_EQ(missing.code, 1);
}

TEST_F(KregTest, ImportsVersion5WithDeletionsContinuationsAndComments)
{
    put("Software\\Imp\\Gone\\Below", "x", REG_SZ, utf16z("1"));
    put("Software\\Imp", "dropme", REG_SZ, utf16z("1"));
    put("Software\\Imp", "", REG_SZ, utf16z("default goes"));
    const auto file = dir / "in.reg";
    writeFile(file, utf16File("Windows Registry Editor Version 5.00\r\n"
                              "\r\n"
                              "; a comment\r\n"
                              "[-HKEY_CURRENT_USER\\Software\\Imp\\Gone]\r\n"
                              "\r\n"
                              "[HKEY_CURRENT_USER\\Software\\Imp]\r\n"
                              "\"dropme\"=-\r\n"
                              "@=-\r\n"
                              "\"sz\" = \"a\\\"b\\\\c\\nd\" ; trailing comment\r\n"
                              "\"dw\"=dword:0000002A\r\n"
                              "\"bin\"=hex:01,02,\\\r\n"
                              "     03, 04 ,\\ ; comment after a continuation\r\n"
                              "  05\r\n"
                              "\"expand\"=hex(2):41,00,42,00\r\n"
                              "\"qw\"=hex(b):01,00,00,00,00,00,00,00\r\n"
                              "\"caf\xc3\xa9\"=\"\xe4\xb8\xad\"\r\n"
                              "\r\n"
                              "[HKEY_CURRENT_USER\\Software\\Imp\\Br]acket]]\r\n"
                              "[HKEY_CLASSES_ROOT\\.kregtest]\r\n"
                              "@=\"kregfile\"\r\n"));
    const KregResult r = kreg({"import", file.string()});
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.code, 0);

    Store store(prefix);
    EXPECT_EQ(store.findKey(HKEY_CURRENT_USER, u"Software\\Imp\\Gone"), nullptr);
    EXPECT_EQ(value(store, "Software\\Imp", "dropme"), nullptr);
    EXPECT_EQ(value(store, "Software\\Imp", ""), nullptr);
    EXPECT_EQ(value(store, "Software\\Imp", "sz")->data, utf16z("a\"b\\c\nd"));
    EXPECT_EQ(value(store, "Software\\Imp", "dw")->data, (std::vector<uint8_t>{42, 0, 0, 0}));
    EXPECT_EQ(value(store, "Software\\Imp", "bin")->data, (std::vector<uint8_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(value(store, "Software\\Imp", "expand")->data, utf16z("AB")) << "missing NUL added";
    EXPECT_EQ(value(store, "Software\\Imp", "qw")->type, REG_QWORD);
    EXPECT_EQ(value(store, "Software\\Imp", "caf\xc3\xa9")->data, utf16z("\xe4\xb8\xad"));
    EXPECT_NE(store.findKey(HKEY_CURRENT_USER, u"Software\\Imp\\Br]acket]"), nullptr);
    const RegKey* cls = store.findKey(HKEY_LOCAL_MACHINE, u"Software\\Classes\\.kregtest");
    ASSERT_NE(cls, nullptr);
    EXPECT_EQ(cls->findValue(u"")->data, utf16z("kregfile"));
}

TEST_F(KregTest, ImportsRegedit4InCodePage1252)
{
    const auto file = dir / "in4.reg";
    writeFile(file, "REGEDIT4\n"
                    "\n"
                    "[HKEY_CURRENT_USER\\Software\\Imp4]\n"
                    "\"euro\"=\"\x80\xe9\"\n"
                    "\"expand\"=hex(2):25,50,41,54,48,25,e9,00\n"
                    "\"multi\"=hex(7):61,00,62,00,00\n"
                    "\"sz\"=hex(1):41\n"
                    "\"none\"=hex(0):41,00\n");
    const KregResult r = kreg({"import", file.string()});
    EXPECT_EQ(r.out, "");
    Store store(prefix);
    EXPECT_EQ(value(store, "Software\\Imp4", "euro")->data, utf16z("\xe2\x82\xac\xc3\xa9"));
    EXPECT_EQ(value(store, "Software\\Imp4", "expand")->data, utf16z("%PATH%\xc3\xa9"));
    EXPECT_EQ(value(store, "Software\\Imp4", "multi")->data, utf16z(std::string("a\0b\0", 4)));
    EXPECT_EQ(value(store, "Software\\Imp4", "sz")->data, utf16z("A"));
    EXPECT_EQ(value(store, "Software\\Imp4", "none")->data, (std::vector<uint8_t>{0x41, 0}))
        << "only string types are converted";
}

TEST_F(KregTest, UnknownEscapesAreKeptWithAWarningAsRegDoes)
{
    const auto file = dir / "esc.reg";
    writeFile(file, "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Esc]\r\n\"c\"=\"x\\qy\"\r\n");
    const KregResult r = kreg({"import", file.string()});
    EXPECT_EQ(r.out, "reg: Unrecognized escape sequence [\\q]\r\n");
    EXPECT_EQ(r.code, 0);
    Store store(prefix);
    EXPECT_EQ(value(store, "Software\\Esc", "c")->data, utf16z("xqy"));
}

TEST_F(KregTest, ADamagedFileIsRefusedWholeWithItsLine)
{
    put("Software\\Imp", "keep", REG_SZ, utf16z("1"));
    const std::string good = "[HKEY_CURRENT_USER\\Software\\Imp]\r\n\"keep\"=-\r\n\"new\"=\"1\"\r\n";
    struct Case {
        const char* label;
        std::string text;
        int line;
    };
    const Case cases[] = {
        {"not a registry file", "garbage\r\n" + good, 1},
        {"empty file", "", 1},
        {"unrecognized line", "REGEDIT4\r\n" + good + "nonsense\r\n", 5},
        {"unknown root", "REGEDIT4\r\n" + good + "[HKEY_NOPE\\x]\r\n", 5},
        {"key without ]", "REGEDIT4\r\n" + good + "[HKEY_CURRENT_USER\\x\r\n", 5},
        {"empty key name segment", "REGEDIT4\r\n" + good + "[HKEY_CURRENT_USER\\a\\\\b]\r\n", 5},
        {"deleting a root", "REGEDIT4\r\n" + good + "[-HKEY_CURRENT_USER]\r\n", 5},
        {"value before any key", "REGEDIT4\r\n\"x\"=\"1\"\r\n" + good, 2},
        {"value after a key deletion", "REGEDIT4\r\n" + good + "[-HKEY_CURRENT_USER\\y]\r\n\"x\"=\"1\"\r\n", 6},
        {"unterminated string", "REGEDIT4\r\n" + good + "\"x\"=\"abc\r\n", 5},
        {"unterminated name", "REGEDIT4\r\n" + good + "\"x=\"abc\"\r\n", 5},
        {"missing =", "REGEDIT4\r\n" + good + "\"x\" \"abc\"\r\n", 5},
        {"\\0 in a string", "REGEDIT4\r\n" + good + "\"x\"=\"a\\0b\"\r\n", 5},
        {"junk after a string", "REGEDIT4\r\n" + good + "\"x\"=\"a\" junk\r\n", 5},
        {"nine dword digits", "REGEDIT4\r\n" + good + "\"x\"=dword:123456789\r\n", 5},
        {"no dword digits", "REGEDIT4\r\n" + good + "\"x\"=dword:\r\n", 5},
        {"str(2) is not .reg syntax", "REGEDIT4\r\n" + good + "\"x\"=str(2):\"a\"\r\n", 5},
        {"bad hex", "REGEDIT4\r\n" + good + "\"x\"=hex:01,zz\r\n", 5},
        {"three-digit hex byte", "REGEDIT4\r\n" + good + "\"x\"=hex:010\r\n", 5},
        {"bad hex on a continued line", "REGEDIT4\r\n" + good + "\"x\"=hex:01,\\\r\n  02,g3\r\n", 6},
        {"continuation at end of file", "REGEDIT4\r\n" + good + "\"x\"=hex:01,\\", 5},
        {"bad type number", "REGEDIT4\r\n" + good + "\"x\"=hex(q):01\r\n", 5},
        {"unknown data form", "REGEDIT4\r\n" + good + "\"x\"=bogus\r\n", 5},
        {"value name too long for the store",
         "REGEDIT4\r\n" + good + "\"" + std::string(16384, 'n') + "\"=\"1\"\r\n", 5},
    };
    const std::string before = readFile(prefix / "user.reg");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const auto file = dir / "bad.reg";
        writeFile(file, c.text);
        const KregResult r = kreg({"import", file.string()});
        EXPECT_EQ(r.code, 1);
        const std::string where = "reg: " + file.string() + ":" + std::to_string(c.line) + ": ";
        EXPECT_TRUE(r.out.starts_with(where)) << r.out;
        EXPECT_TRUE(r.out.ends_with("; nothing was imported\r\n")) << r.out;
        EXPECT_EQ(readFile(prefix / "user.reg"), before);
    }
}

TEST_F(KregExportTest, ExportThenImportGivesTheSameTree)
{
    put("Software\\E", "odd", 0x100, {1, 2, 3});
    put("Software\\E", "empty multi", REG_MULTI_SZ, {});
    put("Software\\E", "esc \"\\", REG_SZ, utf16z("line\r\nnext \"q\" \\"));
    for (const char* format : {"", "--regedit4"}) {
        SCOPED_TRACE(*format ? format : "version 5");
        const auto first = dir / "first.reg", second = dir / "second.reg";
        std::vector<std::string> args = {"export", "HKCU\\Software\\E", first.string(), "/y"};
        if (*format)
            args.push_back(format);
        ASSERT_EQ(kreg(args).code, 0);
        ASSERT_EQ(kreg({"delete", "HKCU\\Software\\E", "/f"}).code, 0);
        const KregResult imported = kreg({"import", first.string()});
        EXPECT_EQ(imported.out, "");
        ASSERT_EQ(imported.code, 0);
        args[2] = second.string();
        ASSERT_EQ(kreg(args).code, 0);
        EXPECT_EQ(readFile(second), readFile(first));
    }
    // Version 5 keeps characters outside code page 1252.
    Store store(prefix);
    EXPECT_EQ(value(store, "Software\\E", "expand")->data, utf16z("%PATH%\xc3\xa9"));
}
