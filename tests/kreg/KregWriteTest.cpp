// kreg add and delete: the data each type stores, the (Yes|No) prompts, and that a
// refused or cancelled command leaves the store as it was.
#include "KregTestSupport.h"

TEST_F(KregTest, AddStoresTheDataRegStores)
{
    struct Case {
        const char* label;
        std::vector<std::string> switches;
        uint32_t type;
        std::vector<uint8_t> data;
    };
    const Case cases[] = {
        {"default type is a string", {"/d", "abc"}, REG_SZ, utf16z("abc")},
        {"no data is an empty string", {}, REG_SZ, utf16z("")},
        {"expandable string", {"/t", "REG_EXPAND_SZ", "/d", "%PATH%"}, REG_EXPAND_SZ, utf16z("%PATH%")},
        {"none holds the string", {"/t", "REG_NONE", "/d", "abc"}, REG_NONE, utf16z("abc")},
        {"dword in hex", {"/t", "REG_DWORD", "/d", "0x10"}, REG_DWORD, {0x10, 0, 0, 0}},
        {"dword is decimal without 0x, even with a leading 0", {"/t", "reg_dword", "/d", "010"},
         REG_DWORD, {10, 0, 0, 0}},
        {"largest dword", {"/t", "REG_DWORD", "/d", "4294967295"}, REG_DWORD, {255, 255, 255, 255}},
        {"little-endian dword is a dword", {"/t", "REG_DWORD_LITTLE_ENDIAN", "/d", "1"}, REG_DWORD,
         {1, 0, 0, 0}},
        {"big-endian dword is stored unswapped", {"/t", "REG_DWORD_BIG_ENDIAN", "/d", "1"},
         REG_DWORD_BIG_ENDIAN, {1, 0, 0, 0}},
        {"qword", {"/t", "REG_QWORD", "/d", "0x123456789abcdef0"}, REG_QWORD,
         {0xf0, 0xde, 0xbc, 0x9a, 0x78, 0x56, 0x34, 0x12}},
        {"largest qword", {"/t", "REG_QWORD", "/d", "18446744073709551615"}, REG_QWORD,
         std::vector<uint8_t>(8, 255)},
        {"binary", {"/t", "REG_BINARY", "/d", "0102abCDef"}, REG_BINARY, {1, 2, 0xab, 0xcd, 0xef}},
        {"odd binary digit count: the first digit is a byte", {"/t", "REG_BINARY", "/d", "123"},
         REG_BINARY, {0x01, 0x23}},
        {"binary without data is empty", {"/t", "REG_BINARY"}, REG_BINARY, {}},
        {"multi-string with \\0", {"/t", "REG_MULTI_SZ", "/d", "one\\0two"}, REG_MULTI_SZ,
         utf16z(std::string("one\0two\0", 8))},
        {"multi-string, trailing separator ignored", {"/t", "REG_MULTI_SZ", "/d", "a#b#", "/s", "#"},
         REG_MULTI_SZ, utf16z(std::string("a\0b\0", 4))},
        {"multi-string with /s keeps \\0 as text", {"/t", "REG_MULTI_SZ", "/d", "a\\0b", "/s", "#"},
         REG_MULTI_SZ, utf16z(std::string("a\\0b\0", 5))},
        {"empty multi-string", {"/t", "REG_MULTI_SZ", "/d", ""}, REG_MULTI_SZ, {0, 0}},
        {"multi-string of one empty string", {"/t", "REG_MULTI_SZ", "/d", "\\0"}, REG_MULTI_SZ,
         {0, 0, 0, 0}},
        {"non-ASCII text", {"/d", "caf\xc3\xa9 \xe4\xb8\xad"}, REG_SZ, utf16z("caf\xc3\xa9 \xe4\xb8\xad")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<std::string> args = {"add", "HKCU\\Software\\Add", "/v", "x", "/f"};
        args.insert(args.end(), c.switches.begin(), c.switches.end());
        const KregResult r = kreg(args);
        EXPECT_EQ(r.out, "reg: The operation completed successfully\r\n");
        EXPECT_EQ(r.code, 0);
        Store store(prefix);
        const RegValue* v = value(store, "Software\\Add", "x");
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(v->type, c.type);
        EXPECT_EQ(v->data, c.data);
    }
}

TEST_F(KregTest, AddAsksBeforeOverwritingAndEndOfInputIsNo)
{
    put("Software\\T", "x", REG_SZ, utf16z("old"));
    // The name as typed, as reg prints it.
    const std::string prompt =
        "The registry value 'X' already exists. Do you want to overwrite it? (Yes|No)";
    const std::string cancelled = "reg: The registry operation was cancelled\r\n";
    struct Case {
        const char* label;
        std::string input;
        std::string out;
        const char* dataAfter;
    };
    const Case cases[] = {
        {"end of input", "", prompt + cancelled, "old"},
        {"no", "n\n", prompt + cancelled, "old"},
        {"other answers ask again", "maybe\n\nNo\n", prompt + prompt + prompt + cancelled, "old"},
        {"yes", "yes\n", prompt + "reg: The operation completed successfully\r\n", "new"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const KregResult r = kreg({"add", "HKCU\\Software\\T", "/v", "X", "/d", "new"}, c.input);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.code, 0);
        Store store(prefix);
        EXPECT_EQ(value(store, "Software\\T", "x")->data, utf16z(c.dataAfter));
    }
    // A new value needs no answer; /ve names the default value in the prompt.
    EXPECT_EQ(kreg({"add", "HKCU\\Software\\T", "/v", "y", "/d", "1"}).out,
              "reg: The operation completed successfully\r\n");
    put("Software\\T", "", REG_SZ, utf16z("d"));
    EXPECT_EQ(kreg({"add", "HKCU\\Software\\T", "/ve", "/d", "e"}).out,
              "The registry value '(Default)' already exists. Do you want to overwrite it? (Yes|No)" +
                  cancelled);
}

TEST_F(KregTest, AddWithoutValueCreatesTheKeyAndKeepsAnExistingDefault)
{
    EXPECT_EQ(kreg({"add", "HKCU\\Software\\New\\Deep"}).code, 0);
    {
        Store store(prefix);
        const RegValue* def = value(store, "Software\\New\\Deep", "");
        ASSERT_NE(def, nullptr) << "a new key gets an empty default value, as with reg";
        EXPECT_EQ(def->data, utf16z(""));
    }
    // Wine's reg resets the default value to an empty string here.
    put("Software\\New\\Deep", "", REG_SZ, utf16z("keep me"));
    const KregResult r = kreg({"add", "HKCU\\Software\\New\\Deep", "/f"});
    EXPECT_EQ(r.out, "reg: The operation completed successfully\r\n");
    Store store(prefix);
    EXPECT_EQ(value(store, "Software\\New\\Deep", "")->data, utf16z("keep me"));
}

TEST_F(KregTest, RefusedAddCreatesNoKey)
{
    // reg creates the key before it looks at the type and data.
    EXPECT_EQ(kreg({"add", "HKCU\\Software\\Never", "/v", "x", "/t", "REG_DWORD", "/d", "zz", "/f"})
                  .code,
              1);
    EXPECT_EQ(kreg({"add", "HKCU\\Software\\Never", "/v", "x", "/t", "REG_FOO", "/f"}).code, 1);
    Store store(prefix);
    EXPECT_EQ(store.findKey(HKEY_CURRENT_USER, u"Software\\Never"), nullptr);
}

class KregDeleteTest : public KregTest {
protected:
    void SetUp() override
    {
        KregTest::SetUp();
        put("Software\\T", "", REG_SZ, utf16z("d"));
        put("Software\\T", "a", REG_SZ, utf16z("1"));
        put("Software\\T", "b", REG_DWORD, {1, 0, 0, 0});
        put("Software\\T\\Sub", "c", REG_SZ, utf16z("2"));
    }
    std::vector<std::string> valueNames(const std::string& path)
    {
        Store store(prefix);
        std::vector<std::string> names;
        if (const RegKey* key = store.findKey(HKEY_CURRENT_USER, toUtf16(path)))
            for (const RegValue& v : key->values())
                names.push_back(toUtf8(v.name));
        return names;
    }
};

TEST_F(KregDeleteTest, DeletesWhatItIsAskedTo)
{
    EXPECT_EQ(kreg({"delete", "HKCU\\Software\\T", "/v", "A", "/f"}).out,
              "reg: The operation completed successfully\r\n");
    EXPECT_EQ(valueNames("Software\\T"), (std::vector<std::string>{"", "b"}));
    EXPECT_EQ(kreg({"delete", "HKCU\\Software\\T", "/ve", "/f"}).code, 0);
    EXPECT_EQ(valueNames("Software\\T"), (std::vector<std::string>{"b"}));
    EXPECT_EQ(kreg({"delete", "HKCU\\Software\\T", "/va", "/f"}).code, 0);
    EXPECT_EQ(valueNames("Software\\T"), (std::vector<std::string>{}));
    EXPECT_EQ(valueNames("Software\\T\\Sub"), (std::vector<std::string>{"c"})) << "/va is not recursive";
    EXPECT_EQ(kreg({"delete", "HKCU\\Software\\T\\", "/f"}).code, 0);
    Store store(prefix);
    EXPECT_EQ(store.findKey(HKEY_CURRENT_USER, u"Software\\T"), nullptr);
    EXPECT_NE(store.findKey(HKEY_CURRENT_USER, u"Software"), nullptr);
}

TEST_F(KregDeleteTest, AsksFirstAndKeepsEverythingOnNo)
{
    const std::string cancelled = "reg: The registry operation was cancelled\r\n";
    struct Case {
        std::vector<std::string> args;
        std::string prompt;
    };
    const Case cases[] = {
        {{"delete", "HKCU\\Software\\T", "/v", "a"},
         "Are you sure you want to delete the registry value 'a'? (Yes|No)"},
        {{"delete", "HKCU\\Software\\T", "/ve"},
         "Are you sure you want to delete the registry value '(Default)'? (Yes|No)"},
        {{"delete", "hkcu\\Software\\T", "/va"},
         "Are you sure you want to delete all registry values in 'HKEY_CURRENT_USER\\Software\\T'? (Yes|No)"},
        {{"delete", "HKCU\\Software\\T"},
         "Are you sure you want to delete the registry key 'HKEY_CURRENT_USER\\Software\\T'? (Yes|No)"},
    };
    const std::string before = readFile(prefix / "user.reg");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prompt);
        for (const char* input : {"", "n\n"}) {
            const KregResult r = kreg(c.args, input);
            EXPECT_EQ(r.out, c.prompt + cancelled);
            EXPECT_EQ(r.code, 0);
        }
    }
    EXPECT_EQ(readFile(prefix / "user.reg"), before);
    EXPECT_EQ(kreg({"delete", "HKCU\\Software\\T"}, "y\n").code, 0);
    Store store(prefix);
    EXPECT_EQ(store.findKey(HKEY_CURRENT_USER, u"Software\\T"), nullptr);
}
