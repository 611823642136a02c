// The accessor's rules as the tweaks rely on them, case by case.
#include "TRegistry.h"

#include "HiveFormat.h"
#include "StoreTestSupport.h"

#include <cstring>
#include <functional>

using namespace storetest;

namespace {

class TRegistryTest : public StoreFixture {
protected:
    // Puts values of any type and data under HKCU\T, as another program could have.
    void seed(const std::u16string& name, uint32_t type, std::vector<uint8_t> data)
    {
        Store::Edit edit(store);
        edit.createKey(HKEY_CURRENT_USER, u"T");
        edit.setValue(HKEY_CURRENT_USER, u"T", name, type, std::move(data));
        edit.commit();
    }

    Store store{prefix.path()};
};

TEST_F(TRegistryTest, ReadStringFollowsTheTypeAndStopsAtTheFirstNul)
{
    struct Case {
        const char* what;
        uint32_t type;
        std::vector<uint8_t> data;
        std::string text;  // expected when error is empty
        std::string error;
    };
    const Case cases[] = {
        {"a string", REG_SZ, sz(u"abc"), "abc", ""},
        {"text after a NUL is not read", REG_SZ, sz(std::u16string(u"ab\0cd", 5)), "ab", ""},
        {"an expandable string, unexpanded", REG_EXPAND_SZ, sz(u"%SystemRoot%\\x"), "%SystemRoot%\\x", ""},
        {"a string without its NUL", REG_SZ, bytes({'a', 0, 'b', 0}), "ab", ""},
        {"an odd last byte is no character", REG_SZ, bytes({'a', 0, 'b'}), "a", ""},
        {"zero-length data", REG_SZ, {}, "", ""},
        {"non-ASCII text comes back as UTF-8", REG_SZ, sz(u"caf\u00e9 \u4e2d"), "caf\xc3\xa9 \xe4\xb8\xad", ""},
        {"a DWORD", REG_DWORD, bytes({1, 0, 0, 0}), "", "Invalid data type for 'v'"},
        {"binary data", REG_BINARY, bytes({'a', 0, 0, 0}), "", "Invalid data type for 'v'"},
        {"a multi-string", REG_MULTI_SZ, sz(std::u16string(u"a\0", 2)), "", "Invalid data type for 'v'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        seed(u"v", c.type, c.data);
        TRegistry reg(store);
        ASSERT_TRUE(reg.OpenKey("T", false));
        std::string text;
        EXPECT_EQ(errorOf([&] { text = reg.ReadString("v"); }), c.error);
        EXPECT_EQ(text, c.text);
    }
}

TEST_F(TRegistryTest, ReadIntegerAcceptsOnlyDwordsOfAtMostFourBytes)
{
    struct Case {
        const char* what;
        uint32_t type;
        std::vector<uint8_t> data;
        int32_t value;
        std::string error;
    };
    const Case cases[] = {
        {"little-endian", REG_DWORD, bytes({0x78, 0x56, 0x34, 0x12}), 0x12345678, ""},
        {"all bits set is -1", REG_DWORD, bytes({0xff, 0xff, 0xff, 0xff}), -1, ""},
        {"short data is zero-extended", REG_DWORD, bytes({0x34, 0x12}), 0x1234, ""},
        {"no data is 0", REG_DWORD, {}, 0, ""},
        {"more than 4 bytes", REG_DWORD, bytes({1, 0, 0, 0, 0}), 0, "Failed to get data for 'v'"},
        {"a QWORD is too long before it is the wrong type", REG_QWORD, bytes({1, 0, 0, 0, 0, 0, 0, 0}), 0,
         "Failed to get data for 'v'"},
        {"a string of 4 bytes", REG_SZ, sz(u"1"), 0, "Invalid data type for 'v'"},
        {"a string of 6 bytes", REG_SZ, sz(u"12"), 0, "Failed to get data for 'v'"},
        {"binary of 4 bytes", REG_BINARY, bytes({1, 0, 0, 0}), 0, "Invalid data type for 'v'"},
        {"a big-endian DWORD", REG_DWORD_BIG_ENDIAN, bytes({0, 0, 0, 1}), 0, "Invalid data type for 'v'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        seed(u"v", c.type, c.data);
        TRegistry reg(store);
        ASSERT_TRUE(reg.OpenKey("T", false));
        int32_t value = 0;
        EXPECT_EQ(errorOf([&] { value = reg.ReadInteger("v"); }), c.error);
        EXPECT_EQ(value, c.value);
        if (c.error.empty()) {
            EXPECT_EQ(reg.ReadBool("v"), c.value != 0);
        } else {
            EXPECT_EQ(errorOf([&] { reg.ReadBool("v"); }), c.error);
        }
    }
}

TEST_F(TRegistryTest, WritesStoreStringsAndIntegersAsWindowsDoes)
{
    TRegistry reg(store);
    reg.LazyWrite = false;
    ASSERT_TRUE(reg.OpenKey("Software\\W", true));
    reg.WriteString("s", "h\xc3\xa9");
    reg.WriteString("", "default");
    reg.WriteString("empty", "");
    reg.WriteInteger("i", -2);
    reg.WriteBool("yes", true);
    reg.WriteBool("no", false);
    reg.CloseKey();

    Store fresh(prefix.path());
    const RegKey* key = fresh.findKey(HKEY_CURRENT_USER, u"Software\\W");
    ASSERT_NE(key, nullptr);
    struct Expect {
        std::u16string name;
        uint32_t type;
        std::vector<uint8_t> data;
    };
    const Expect expected[] = {
        {u"s", REG_SZ, bytes({'h', 0, 0xe9, 0, 0, 0})},
        {u"", REG_SZ, sz(u"default")},
        {u"empty", REG_SZ, bytes({0, 0})},
        {u"i", REG_DWORD, bytes({0xfe, 0xff, 0xff, 0xff})},
        {u"yes", REG_DWORD, bytes({1, 0, 0, 0})},
        {u"no", REG_DWORD, bytes({0, 0, 0, 0})},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(std::string(e.name.begin(), e.name.end()));
        const RegValue* value = key->findValue(e.name);
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->type, e.type);
        EXPECT_EQ(value->data, e.data);
    }
}

TEST_F(TRegistryTest, WithoutAnOpenKeyReadsFindNothingAndWritesFail)
{
    seed(u"v", REG_SZ, sz(u"x"));
    TRegistry reg(store);
    ASSERT_FALSE(reg.OpenKey("Missing", false));
    EXPECT_EQ(reg.ReadString("v"), "");
    EXPECT_FALSE(reg.ValueExists("v"));
    EXPECT_EQ(errorOf([&] { reg.ReadInteger("v"); }), "Failed to get data for 'v'");
    std::vector<std::string> names{"stale"};
    reg.GetKeyNames(names);
    EXPECT_TRUE(names.empty());
    EXPECT_FALSE(reg.DeleteValue("v"));
    EXPECT_EQ(errorOf([&] { reg.WriteString("w", "x"); }), "Failed to set data for 'w'");
    EXPECT_EQ(errorOf([&] { reg.WriteInteger("w", 1); }), "Failed to set data for 'w'");
    EXPECT_EQ(errorOf([&] { reg.WriteBool("w", true); }), "Failed to set data for 'w'");
    EXPECT_EQ(errorOf([&] { reg.RenameValue("v", "w"); }), "");
    EXPECT_FALSE(reg.KeyExists("Missing"));
}

TEST_F(TRegistryTest, KeyNamesAreRelativeToTheOpenKeyUnlessTheyBeginWithABackslash)
{
    struct Case {
        const char* what;
        std::string first;  // opened first ("" = nothing open)
        std::string key;
        std::u16string path; // where the key ends up under HKCU
    };
    const Case cases[] = {
        {"no open key: from the root", "", "A\\B", u"A\\B"},
        {"a leading backslash without an open key", "", "\\A\\B", u"A\\B"},
        {"relative to the open key", "A", "B\\C", u"A\\B\\C"},
        {"a leading backslash: from the root", "A", "\\B", u"B"},
        {"a trailing backslash is ignored", "A", "B\\", u"A\\B"},
        {"the empty name is the open key", "A\\B", "", u"A\\B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempPrefix where;
        Store s(where.path());
        TRegistry reg(s);
        if (!c.first.empty()) {
            ASSERT_TRUE(reg.OpenKey(c.first, true));
        }
        ASSERT_TRUE(reg.OpenKey(c.key, true));
        reg.WriteString("here", "1");
        reg.CloseKey();
        Store fresh(where.path());
        const RegKey* key = fresh.findKey(HKEY_CURRENT_USER, c.path);
        ASSERT_NE(key, nullptr);
        EXPECT_NE(key->findValue(u"here"), nullptr);
    }
}

TEST_F(TRegistryTest, OpenKeyCreatesOnlyWhenAskedAndRefusesBadNames)
{
    struct Case {
        const char* what;
        std::string key;
        bool canCreate;
        bool opened;
    };
    const std::string longest(255, 'k');
    const Case cases[] = {
        {"missing, not created", "New", false, false},
        {"missing, created with every level", "New\\Deeper\\Deepest", true, true},
        {"existing opens without creating", "Software\\Korrelin", false, true},
        {"names ignore case", "software\\KORRELIN\\sub", false, true},
        {"a key name of 255 characters", longest, true, true},
        {"a key name of 256 characters", longest + "k", true, false},
        {"an empty segment", "A\\\\B", true, false},
        {"a NUL in a name", std::string("A\0B", 3), true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempPrefix where;
        where.put("user.reg", userReg());
        Store s(where.path());
        {
            TRegistry reg(s);
            EXPECT_EQ(reg.OpenKey(c.key, c.canCreate), c.opened);
            if (!c.opened) {
                EXPECT_EQ(errorOf([&] { reg.WriteString("v", "x"); }), "Failed to set data for 'v'");
            }
            reg.CloseKey();
        }
        if (!c.opened) {
            EXPECT_EQ(readFile(where.file("user.reg")), userReg());
        }
    }
}

TEST_F(TRegistryTest, OpenKeyOnClassesRootWritesUnderSoftwareClassesOfTheMachine)
{
    TRegistry reg(store);
    reg.RootKey = HKEY_CLASSES_ROOT;
    ASSERT_TRUE(reg.OpenKey(".zzz", true));
    reg.WriteString("", "zzzfile");
    reg.CloseKey();
    EXPECT_NE(readFile(prefix.file("system.reg")).find("[Software\\\\Classes\\\\.zzz]"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(prefix.file("user.reg")));
}

TEST_F(TRegistryTest, DeleteKeyRemovesTheWholeSubtreeAndIgnoresMissingKeys)
{
    prefix.put("user.reg", userReg());
    {
        TRegistry reg(store);
        ASSERT_TRUE(reg.OpenKey("Software", false));
        EXPECT_TRUE(reg.DeleteKey("Korrelin")); // relative, with a sub-key and values
        EXPECT_FALSE(reg.DeleteKey("Korrelin"));
        EXPECT_FALSE(reg.DeleteKey("\\Nowhere\\At\\All"));
        EXPECT_FALSE(reg.DeleteKey("Bad\\\\Name"));
        reg.CloseKey();
    }
    Store fresh(prefix.path());
    EXPECT_EQ(fresh.findKey(HKEY_CURRENT_USER, u"Software\\Korrelin"), nullptr);
    EXPECT_EQ(fresh.findKey(HKEY_CURRENT_USER, u"Software\\Korrelin\\Sub"), nullptr);
    EXPECT_NE(fresh.findKey(HKEY_CURRENT_USER, u"Control Panel\\Desktop"), nullptr);
}

TEST_F(TRegistryTest, DeleteKeyWithNoKeyOpenIsOnDiskWhenItReturns)
{
    prefix.put("user.reg", userReg());
    TRegistry reg(store);
    reg.LazyWrite = false;
    EXPECT_TRUE(reg.DeleteKey("Software\\Korrelin"));
    EXPECT_EQ(readFile(prefix.file("user.reg")).find("Korrelin"), std::string::npos);
}

TEST_F(TRegistryTest, GetKeyNamesListsSubKeysInStoreOrderWithTheirSpelling)
{
    {
        TRegistry reg(store);
        for (const char* name : {"b", "A", "a_", "C", "[x", "\xc3\xa9"}) // é sorts after ASCII
            ASSERT_TRUE(reg.OpenKey(std::string("\\List\\") + name, true));
        reg.CloseKey();
    }
    TRegistry reg(store);
    ASSERT_TRUE(reg.OpenKey("List", false));
    std::vector<std::string> names{"stale"};
    reg.GetKeyNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"[x", "A", "a_", "b", "C", "\xc3\xa9"}));
}

TEST_F(TRegistryTest, RenameValueOnlyWhenOldExistsWithDataAndNewDoesNot)
{
    struct Case {
        const char* what;
        std::u16string oldName;
        uint32_t type;
        std::vector<uint8_t> data;
        std::string newName;
        bool renamed;
    };
    const Case cases[] = {
        {"a string", u"old", REG_SZ, sz(u"x"), "new", true},
        {"an empty string still holds its NUL", u"old", REG_SZ, bytes({0, 0}), "new", true},
        {"a DWORD keeps its type", u"old", REG_DWORD, bytes({5, 0, 0, 0}), "new", true},
        {"zero-length data", u"old", REG_BINARY, {}, "new", false},
        {"the new name exists", u"old", REG_SZ, sz(u"x"), "taken", false},
        {"the new name differs only in case", u"old", REG_SZ, sz(u"x"), "OLD", false},
        {"the old value is missing", u"other", REG_SZ, sz(u"x"), "new", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempPrefix where;
        Store s(where.path());
        {
            Store::Edit edit(s);
            edit.createKey(HKEY_CURRENT_USER, u"R");
            edit.setValue(HKEY_CURRENT_USER, u"R", c.oldName, c.type, c.data);
            edit.setValue(HKEY_CURRENT_USER, u"R", u"taken", REG_SZ, sz(u"keep"));
            edit.commit();
        }
        {
            TRegistry reg(s);
            ASSERT_TRUE(reg.OpenKey("R", false));
            reg.RenameValue("old", c.newName);
            reg.CloseKey();
        }
        Store fresh(where.path());
        const RegKey* key = fresh.findKey(HKEY_CURRENT_USER, u"R");
        ASSERT_NE(key, nullptr);
        const RegValue* old = key->findValue(c.oldName);
        const RegValue* renamed = key->findValue(std::u16string(c.newName.begin(), c.newName.end()));
        if (c.renamed) {
            EXPECT_EQ(old, nullptr);
            ASSERT_NE(renamed, nullptr);
            EXPECT_EQ(renamed->type, c.type);
            EXPECT_EQ(renamed->data, c.data);
        } else {
            ASSERT_NE(old, nullptr);
            EXPECT_EQ(old->data, c.data);
            EXPECT_EQ(key->findValue(u"taken")->data, sz(u"keep"));
        }
    }
}

TEST_F(TRegistryTest, ARefusedRenameKeepsTheOldValue)
{
    seed(u"old", REG_SZ, sz(u"x"));
    const std::string badName("n\0w", 3);
    {
        TRegistry reg(store);
        ASSERT_TRUE(reg.OpenKey("T", false));
        EXPECT_EQ(errorOf([&] { reg.RenameValue("old", badName); }), "Failed to set data for 'n");
        reg.CloseKey();
    }
    TRegistry reg(store);
    ASSERT_TRUE(reg.OpenKey("T", false));
    EXPECT_EQ(reg.ReadString("old"), "x");
}

TEST_F(TRegistryTest, WritesOfUnacceptableNamesOrDataFailWithTheWriteError)
{
    struct Case {
        const char* what;
        std::string name;
        size_t textLength;
        bool accepted;
    };
    const Case cases[] = {
        {"a value name of 16383 characters", std::string(16383, 'n'), 1, true},
        {"a value name of 16384 characters", std::string(16384, 'n'), 1, false},
        {"a NUL inside a value name", std::string("a\0b", 3), 1, false},
        {"data of exactly 1 MiB", "big", 512 * 1024 - 1, true},
        {"data over 1 MiB", "bigger", 512 * 1024, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TRegistry reg(store);
        ASSERT_TRUE(reg.OpenKey("V", true));
        const std::string error = errorOf([&] { reg.WriteString(c.name, std::string(c.textLength, 'x')); });
        // what() ends at the NUL of a name that holds one.
        EXPECT_EQ(error, c.accepted ? "" : std::string(("Failed to set data for '" + c.name + "'").c_str()));
        reg.CloseKey();
        EXPECT_EQ(reg.OpenKey("V", false) && reg.ValueExists(c.name), c.accepted);
    }
}

TEST_F(TRegistryTest, ReadsSeePendingWritesWhichReachTheDiskAtCloseKey)
{
    TRegistry reg(store);
    reg.LazyWrite = false;
    ASSERT_TRUE(reg.OpenKey("P", true));
    reg.WriteString("a", "1");
    EXPECT_EQ(reg.ReadString("a"), "1");
    EXPECT_TRUE(reg.ValueExists("a"));
    EXPECT_EQ(Store(prefix.path()).findKey(HKEY_CURRENT_USER, u"P"), nullptr);
    reg.CloseKey();
    Store fresh(prefix.path());
    const RegKey* key = fresh.findKey(HKEY_CURRENT_USER, u"P");
    ASSERT_NE(key, nullptr);
    EXPECT_NE(key->findValue(u"a"), nullptr);
}

TEST_F(TRegistryTest, OpeningAnotherKeyCommitsTheFirst)
{
    TRegistry reg(store);
    ASSERT_TRUE(reg.OpenKey("First", true));
    reg.WriteString("a", "1");
    ASSERT_TRUE(reg.OpenKey("\\Second", true));
    EXPECT_NE(Store(prefix.path()).findKey(HKEY_CURRENT_USER, u"First"), nullptr);
    reg.CloseKey();
}

TEST_F(TRegistryTest, TheDestructorCommitsWithoutCloseKeyAndSwallowsFailures)
{
    {
        TRegistry reg(store);
        ASSERT_TRUE(reg.OpenKey("D", true));
        reg.WriteInteger("n", 7);
    }
    TRegistry check(store);
    ASSERT_TRUE(check.OpenKey("D", false));
    EXPECT_EQ(check.ReadInteger("n"), 7);

    const std::string before = readFile(prefix.file("user.reg"));
    EXPECT_NO_THROW({
        TRegistry reg(store);
        ASSERT_TRUE(reg.OpenKey("D", false));
        reg.WriteInteger("n", 8);
        FileIo::failNth(FileIo::Op::Rename, 1, EIO);
    });
    EXPECT_TRUE(FileIo::fired());
    EXPECT_EQ(readFile(prefix.file("user.reg")), before);
}

TEST_F(TRegistryTest, AFailedCommitAtCloseKeyIsReported)
{
    TRegistry reg(store);
    reg.LazyWrite = false;
    ASSERT_TRUE(reg.OpenKey("F", true));
    reg.WriteString("a", "1");
    FileIo::failNth(FileIo::Op::Fsync, 1, ENOSPC);
    const std::string error = errorOf([&] { reg.CloseKey(); });
    EXPECT_NE(error.find(prefix.file("user.reg").string()), std::string::npos) << error;
    EXPECT_NE(error.find(std::strerror(ENOSPC)), std::string::npos) << error;
    EXPECT_FALSE(reg.KeyExists("F"));
}

TEST_F(TRegistryTest, ADamagedFileFailsReadsWithItsErrorAndWritesWithTheWriteError)
{
    const std::string damaged = std::string(userReg()) + "\"broken\"=hex:4g\n";
    prefix.put("user.reg", damaged);
    TRegistry reg(store);
    const std::string where = prefix.file("user.reg").string() + ":18: ";
    EXPECT_EQ(errorOf([&] { reg.OpenKey("Software\\Korrelin", false); }).rfind(where, 0), 0u);
    EXPECT_EQ(errorOf([&] { reg.OpenKey("Software\\Korrelin", true); }).rfind(where, 0), 0u);
    EXPECT_EQ(errorOf([&] { reg.KeyExists("Software"); }).rfind(where, 0), 0u);
    EXPECT_EQ(errorOf([&] { reg.DeleteKey("Software"); }), "Failed to set data for 'Software'");
    // Another root's file is not affected.
    reg.RootKey = HKEY_LOCAL_MACHINE;
    EXPECT_TRUE(reg.OpenKey("Software\\Fine", true));
    reg.CloseKey();
    EXPECT_EQ(readFile(prefix.file("user.reg")), damaged);
}

} // namespace
