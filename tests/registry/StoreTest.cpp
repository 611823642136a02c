// The store on Wine-prefix files: which files, what a commit writes, and the store's
// numbered invariants (Store.h) under faults and damage.
#include "Store.h"

#include "HiveFormat.h"
#include "StoreTestSupport.h"
#include "TRegistry.h"

#include <cstring>
#include <functional>
#include <optional>
#include <sys/stat.h>

using namespace storetest;

namespace {

// Sets or clears an environment variable for one scope.
class EnvGuard {
public:
    EnvGuard(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvGuard()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

ino_t inodeOf(const std::filesystem::path& file)
{
    struct stat st {};
    ::stat(file.c_str(), &st);
    return st.st_ino;
}

mode_t modeOf(const std::filesystem::path& file)
{
    struct stat st {};
    ::stat(file.c_str(), &st);
    return st.st_mode & 07777;
}

// The fixed clock's time as Wine writes it after a key's name.
const std::string stamp = "1796974016\n#time=1dd89410062e23e\n";

using StoreTest = StoreFixture;

TEST_F(StoreTest, ThePrefixIsTheOptionElseWineprefixElseTheXdgDefault)
{
    struct Case {
        const char* what;
        std::string option;
        const char* wineprefix;
        const char* xdg;
        const char* home;
        std::filesystem::path expected;
    };
    const Case cases[] = {
        {"the option wins", "/opt/p", "/w", "/x", "/h", "/opt/p"},
        {"then WINEPREFIX", "", "/w", "/x", "/h", "/w"},
        {"an empty WINEPREFIX counts as unset", "", "", "/x", "/h", "/x/korrelin/prefix"},
        {"then XDG_DATA_HOME", "", nullptr, "/x", "/h", "/x/korrelin/prefix"},
        {"a relative XDG_DATA_HOME is ignored", "", nullptr, "rel", "/h", "/h/.local/share/korrelin/prefix"},
        {"else the home folder", "", nullptr, nullptr, "/h", "/h/.local/share/korrelin/prefix"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EnvGuard wine("WINEPREFIX", c.wineprefix);
        EnvGuard xdg("XDG_DATA_HOME", c.xdg);
        EnvGuard home("HOME", c.home);
        EXPECT_EQ(Store::choosePrefix(c.option), c.expected);
    }
}

// Invariant 8.
TEST_F(StoreTest, AMissingPrefixIsAnEmptyStoreUntilTheFirstWrite)
{
    Store store(prefix.path());
    EXPECT_NO_THROW(store.check());
    EXPECT_NE(store.findKey(HKEY_LOCAL_MACHINE, u""), nullptr);
    EXPECT_NE(store.findKey(HKEY_CLASSES_ROOT, u""), nullptr);
    EXPECT_EQ(store.findKey(HKEY_CURRENT_USER, u"Software"), nullptr);
    {
        TRegistry reg(store);
        EXPECT_FALSE(reg.OpenKey("Software", false));
        EXPECT_EQ(reg.ReadString("x"), "");
    }
    EXPECT_FALSE(std::filesystem::exists(prefix.path()));

    const mode_t oldMask = ::umask(0); // the modes must not depend on the umask
    Store::Edit edit(store);
    edit.createKey(HKEY_LOCAL_MACHINE, u"Software\\K");
    edit.setValue(HKEY_LOCAL_MACHINE, u"Software\\K", u"v", REG_SZ, sz(u"x"));
    EXPECT_FALSE(std::filesystem::exists(prefix.path()));
    edit.commit();
    ::umask(oldMask);

    EXPECT_EQ(modeOf(prefix.path()), 0700u);
    EXPECT_EQ(modeOf(prefix.file("system.reg")), 0600u);
    EXPECT_EQ(entries(prefix.path()), (std::set<std::string>{"system.reg"}));
    EXPECT_EQ(readFile(prefix.file("system.reg")),
              "WINE REGISTRY Version 2\n"
              ";; All keys relative to REGISTRY\\\\Machine\n"
              "\n"
              "#arch=win64\n"
              "\n"
              "[Software\\\\K] " + stamp +
              "\"v\"=\"x\"\n");
}

TEST_F(StoreTest, ANewFileTakesTheArchitectureOfTheOtherFile)
{
    prefix.put("user.reg", "WINE REGISTRY Version 2\n"
                           ";; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n"
                           "\n"
                           "#arch=win32\n");
    Store store(prefix.path());
    Store::Edit edit(store);
    edit.createKey(HKEY_LOCAL_MACHINE, u"K");
    edit.commit();
    EXPECT_EQ(readFile(prefix.file("system.reg")),
              "WINE REGISTRY Version 2\n"
              ";; All keys relative to REGISTRY\\\\Machine\n"
              "\n"
              "#arch=win32\n"
              "\n"
              "[K] " + stamp);
}

TEST_F(StoreTest, EachRootKeyLivesInItsFile)
{
    struct Case {
        const char* what;
        HKEY root;
        std::u16string path;
        const char* file;
        std::string section;
    };
    const Case cases[] = {
        {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE, u"A", "system.reg", "[A]"},
        {"HKEY_CURRENT_USER", HKEY_CURRENT_USER, u"A", "user.reg", "[A]"},
        {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT, u".a", "system.reg", "[Software\\\\Classes\\\\.a]"},
        {"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG, u"A", "system.reg",
         "[System\\\\CurrentControlSet\\\\Hardware Profiles\\\\Current\\\\A]"},
        {"the default user", HKEY_USERS, u".Default\\A", "userdef.reg", "[A]"},
        {"the current user by its SID", HKEY_USERS, u"s-1-5-21-0-0-0-1000\\A", "user.reg", "[A]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempPrefix where;
        Store store(where.path());
        Store::Edit edit(store);
        edit.createKey(c.root, c.path);
        edit.setValue(c.root, c.path, u"v", REG_DWORD, {1, 0, 0, 0});
        edit.commit();
        EXPECT_EQ(entries(where.path()), (std::set<std::string>{c.file}));
        EXPECT_NE(readFile(where.file(c.file)).find(c.section + " 1796974016"), std::string::npos);
        EXPECT_NE(Store(where.path()).findKey(c.root, c.path), nullptr);
    }

    Store store(prefix.path());
    TRegistry reg(store);
    reg.RootKey = HKEY_USERS;
    ASSERT_TRUE(reg.OpenKey("", false));
    std::vector<std::string> names;
    reg.GetKeyNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{".Default", "S-1-5-21-0-0-0-1000"}));
    EXPECT_EQ(errorOf([&] { Store::Edit(store).createKey(HKEY_USERS, u"S-1-5-18\\X"); }).rfind("Invalid key path", 0),
              0u);
}

// Wine's time rules: a change re-times only its own key (and the parent of a key that
// was created or deleted), and a write of what is already there rewrites nothing.
TEST_F(StoreTest, AChangeRewritesOnlyTheSectionsItMust)
{
    const std::string head = "WINE REGISTRY Version 2\n"
                             ";; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n"
                             "\n"
                             "#arch=win64\n";
    const std::string desktop = "\n[Control Panel\\\\Desktop] 1700000000\n"
                                "#time=1da1747c967f080\n"
                                "\"MenuShowDelay\"=\"400\"\n"
                                "\"Wallpaper\"=\"\"\n";
    const std::string korrelin = "\n[Software\\\\Korrelin] 1700000000\n"
                                 "#time=1da1747c967f080\n"
                                 "\"Left\"=dword:00000064\n";
    const std::string sub = "\n[Software\\\\Korrelin\\\\Sub] 1700000000\n"
                            "#time=1da1747c967f080\n"
                            "@=\"default\"\n";
    ASSERT_EQ(head + desktop + korrelin + sub, userReg());
    const std::string korrelinNow = "\n[Software\\\\Korrelin] " + stamp + "\"Left\"=dword:00000064\n";

    struct Case {
        const char* what;
        std::function<void(Store::Edit&)> change;
        std::string expected; // "" = the file is not rewritten at all
    };
    const Case cases[] = {
        {"the same type and data again", [](Store::Edit& e) {
             e.setValue(HKEY_CURRENT_USER, u"control panel\\desktop", u"menushowdelay", REG_SZ, sz(u"400"));
         }, ""},
        {"a creation of an existing key", [](Store::Edit& e) { e.createKey(HKEY_CURRENT_USER, u"Software\\Korrelin"); },
         ""},
        {"a changed value re-times its key only", [](Store::Edit& e) {
             e.setValue(HKEY_CURRENT_USER, u"Control Panel\\Desktop", u"MenuShowDelay", REG_SZ, sz(u"0"));
         }, head + "\n[Control Panel\\\\Desktop] " + stamp + "\"MenuShowDelay\"=\"0\"\n\"Wallpaper\"=\"\"\n" +
                korrelin + sub},
        {"the same data as another type is a change", [](Store::Edit& e) {
             e.setValue(HKEY_CURRENT_USER, u"Control Panel\\Desktop", u"Wallpaper", REG_EXPAND_SZ, sz(u""));
         }, head + "\n[Control Panel\\\\Desktop] " + stamp + "\"MenuShowDelay\"=\"400\"\n\"Wallpaper\"=str(2):\"\"\n" +
                korrelin + sub},
        {"a deleted value", [](Store::Edit& e) {
             EXPECT_TRUE(e.deleteValue(HKEY_CURRENT_USER, u"Software\\Korrelin\\Sub", u""));
         }, head + desktop + korrelin + "\n[Software\\\\Korrelin\\\\Sub] " + stamp},
        {"a new sub-key re-times its parent", [](Store::Edit& e) {
             e.createKey(HKEY_CURRENT_USER, u"Software\\Korrelin\\New");
         }, head + desktop + korrelinNow + "\n[Software\\\\Korrelin\\\\New] " + stamp + sub},
        {"a deleted sub-key re-times its parent", [](Store::Edit& e) {
             EXPECT_TRUE(e.deleteKey(HKEY_CURRENT_USER, u"Software\\Korrelin\\Sub"));
         }, head + desktop + korrelinNow},
        {"deleting what is not there", [](Store::Edit& e) {
             EXPECT_FALSE(e.deleteKey(HKEY_CURRENT_USER, u"Software\\Nothing"));
             EXPECT_FALSE(e.deleteValue(HKEY_CURRENT_USER, u"Software\\Korrelin", u"Nothing"));
         }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempPrefix where;
        where.put("user.reg", userReg());
        const ino_t before = inodeOf(where.file("user.reg"));
        Store store(where.path());
        Store::Edit edit(store);
        c.change(edit);
        edit.commit();
        if (c.expected.empty()) {
            EXPECT_EQ(inodeOf(where.file("user.reg")), before);
            EXPECT_EQ(readFile(where.file("user.reg")), userReg());
        } else {
            EXPECT_EQ(readFile(where.file("user.reg")), c.expected);
        }
    }
}

TEST_F(StoreTest, UnacceptableNamesAndDataAreRefusedWithAClearError)
{
    struct Case {
        const char* what;
        std::function<void(Store::Edit&)> change;
        std::string error; // the beginning of the message
    };
    const std::u16string longName(256, u'k');
    const Case cases[] = {
        {"an empty segment", [](Store::Edit& e) { e.createKey(HKEY_CURRENT_USER, u"A\\\\B"); },
         "Invalid key path: empty key name in 'A\\\\B'"},
        {"a trailing separator", [](Store::Edit& e) { e.createKey(HKEY_CURRENT_USER, u"A\\"); },
         "Invalid key path: empty key name"},
        {"a key name over 255 characters", [&](Store::Edit& e) { e.createKey(HKEY_CURRENT_USER, u"A\\" + longName); },
         "Invalid key path: key name longer than 255 characters"},
        {"a NUL in a key name", [](Store::Edit& e) { e.createKey(HKEY_CURRENT_USER, std::u16string(u"A\0B", 3)); },
         "Invalid key path: NUL character in key name"},
        {"a value name over 16383 characters", [](Store::Edit& e) {
             e.setValue(HKEY_CURRENT_USER, u"Software", std::u16string(16384, u'v'), REG_SZ, sz(u""));
         }, "Invalid value name: longer than 16383 characters"},
        {"a NUL in a value name", [](Store::Edit& e) {
             e.setValue(HKEY_CURRENT_USER, u"Software", std::u16string(u"a\0b", 3), REG_SZ, sz(u""));
         }, "Invalid value name: NUL character"},
        {"data over 1 MiB", [](Store::Edit& e) {
             e.setValue(HKEY_CURRENT_USER, u"Software", u"v", REG_BINARY, std::vector<uint8_t>(1024 * 1024 + 1));
         }, "Invalid value data: 1048577 bytes, more than 1048576"},
        {"a value in a missing key", [](Store::Edit& e) {
             e.setValue(HKEY_CURRENT_USER, u"Software\\Missing", u"v", REG_SZ, sz(u""));
         }, "Cannot set the value 'v': the key 'Software\\Missing' does not exist"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempPrefix where;
        where.put("user.reg", userReg());
        Store store(where.path());
        Store::Edit edit(store);
        edit.createKey(HKEY_CURRENT_USER, u"Software");
        EXPECT_EQ(errorOf([&] { c.change(edit); }).substr(0, c.error.size()), c.error);
        edit.commit();
        EXPECT_EQ(readFile(where.file("user.reg")), userReg());
    }
}

// Invariant 1.
TEST_F(StoreTest, ADamagedFileIsReportedWithItsLineAndNeverWritten)
{
    struct Case {
        const char* what;
        std::string text;
        int line;
    };
    const std::string good = userReg();
    const Case cases[] = {
        {"truncated inside a key line", good.substr(0, good.find("[Software\\\\Korrelin]") + 5), 11},
        {"truncated inside continued hex data", good + "\"b\"=hex:01,02,\\\n", 18},
        {"truncated inside a string", good + "\"s\"=\"unterminated\n\"t\"=\"x\"\n", 18},
        {"a dangling escape", good + "\"s\"=\"abc\\\n", 18},
        {"a bad hex digit", good + "\"b\"=hex:01,4g,02\n", 18},
        {"not a registry file", "WINE REGISTRY Version 3\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempPrefix where;
        where.put("user.reg", c.text);
        Store store(where.path());
        const std::string where_ = where.file("user.reg").string() + ":" + std::to_string(c.line) + ": ";
        std::string first;
        try {
            store.check();
        } catch (const HiveParseError& error) {
            EXPECT_EQ(error.line(), c.line);
            first = error.what();
        }
        EXPECT_EQ(first.rfind(where_, 0), 0u) << first;
        EXPECT_EQ(errorOf([&] { store.findKey(HKEY_CURRENT_USER, u"Software"); }), first);
        Store::Edit edit(store);
        EXPECT_EQ(errorOf([&] { edit.createKey(HKEY_CURRENT_USER, u"New"); }), first);
        EXPECT_EQ(errorOf([&] { edit.deleteKey(HKEY_CURRENT_USER, u"Software"); }), first);
        EXPECT_NO_THROW(edit.commit());
        {
            TRegistry reg(store);
            reg.RootKey = HKEY_LOCAL_MACHINE; // the other file is fine
            EXPECT_TRUE(reg.OpenKey("Fine", true));
            reg.WriteString("v", "1");
            reg.CloseKey();
        }
        EXPECT_EQ(readFile(where.file("user.reg")), c.text);
        EXPECT_EQ(entries(where.path()), (std::set<std::string>{"system.reg", "user.reg"}));

        // Mended on disk, it is read again.
        writeFile(where.file("user.reg"), good);
        EXPECT_NE(store.findKey(HKEY_CURRENT_USER, u"Software\\Korrelin"), nullptr);
    }
}

// Invariant 5.
TEST_F(StoreTest, ReadsSeeWhatOthersCommitted)
{
    prefix.put("user.reg", userReg());
    Store reader(prefix.path());
    ASSERT_NE(reader.findKey(HKEY_CURRENT_USER, u"Software\\Korrelin"), nullptr);

    Store writer(prefix.path());
    Store::Edit edit(writer);
    edit.createKey(HKEY_CURRENT_USER, u"Software\\Other");
    edit.commit();
    EXPECT_NE(reader.findKey(HKEY_CURRENT_USER, u"Software\\Other"), nullptr);

    // Rewritten in place by someone else (Wine does so for a file with hard links).
    std::string text = readFile(prefix.file("user.reg"));
    text.replace(text.find("Other"), 5, "Thing");
    writeFile(prefix.file("user.reg"), text);
    EXPECT_EQ(reader.findKey(HKEY_CURRENT_USER, u"Software\\Other"), nullptr);
    EXPECT_NE(reader.findKey(HKEY_CURRENT_USER, u"Software\\Thing"), nullptr);
}

// Invariant 4, within one process: the second commit starts from the first one's file.
TEST_F(StoreTest, ACommitMakesItsChangesOnTheFileAsItIsNow)
{
    prefix.put("user.reg", userReg());
    Store one(prefix.path());
    Store two(prefix.path());
    Store::Edit first(one);
    first.setValue(HKEY_CURRENT_USER, u"Software\\Korrelin", u"Top", REG_DWORD, {1, 0, 0, 0});
    EXPECT_TRUE(first.deleteKey(HKEY_CURRENT_USER, u"Software\\Korrelin\\Sub"));
    Store::Edit second(two);
    second.setValue(HKEY_CURRENT_USER, u"Software\\Korrelin", u"Left", REG_DWORD, {2, 0, 0, 0});
    second.createKey(HKEY_CURRENT_USER, u"Software\\Korrelin\\Sub\\Deeper");
    second.commit();
    first.commit();

    Store fresh(prefix.path());
    const RegKey* key = fresh.findKey(HKEY_CURRENT_USER, u"Software\\Korrelin");
    ASSERT_NE(key, nullptr);
    ASSERT_NE(key->findValue(u"Top"), nullptr);
    ASSERT_NE(key->findValue(u"Left"), nullptr);
    EXPECT_EQ(key->findValue(u"Left")->data, (std::vector<uint8_t>{2, 0, 0, 0}));
    // The later commit's deletion takes the earlier commit's new sub-key with it.
    EXPECT_EQ(key->findSubkey(u"Sub"), nullptr);
}

// Invariants 2, 3 and 7: fail each system call of a commit in turn.
TEST_F(StoreTest, AFailedCommitLeavesTheOldFilesIntactAndNoTemporaryFile)
{
    const std::string system = "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win64\n";
    const FileIo::Op ops[] = {FileIo::Op::Open, FileIo::Op::Write, FileIo::Op::Fchmod, FileIo::Op::Fsync,
                              FileIo::Op::Rename, FileIo::Op::FsyncDir};
    for (const FileIo::Op op : ops) {
        for (int nth = 1;; ++nth) {
            SCOPED_TRACE("operation " + std::to_string(static_cast<int>(op)) + ", call " + std::to_string(nth));
            TempPrefix where;
            where.put("user.reg", userReg());
            where.put("system.reg", system);
            ::chmod(where.file("user.reg").c_str(), 0640);
            Store store(where.path());
            ASSERT_NO_THROW(store.check());
            Store::Edit edit(store);
            edit.setValue(HKEY_CURRENT_USER, u"Software\\Korrelin", u"Left", REG_DWORD, {9, 0, 0, 0});
            edit.createKey(HKEY_LOCAL_MACHINE, u"Software\\New");

            FileIo::failNth(op, nth, EIO);
            const std::string error = errorOf([&] { edit.commit(); });
            const bool fired = FileIo::fired();
            FileIo::reset();
            const std::set<std::string> files{"system.reg", "user.reg"};
            EXPECT_EQ(entries(where.path()), files);
            EXPECT_EQ(modeOf(where.file("user.reg")), 0640u);
            if (!fired) {
                EXPECT_EQ(error, "");
                EXPECT_GT(nth, 1);
                break;
            }
            EXPECT_NE(error.find(std::strerror(EIO)), std::string::npos) << error;
            EXPECT_TRUE(error.find("user.reg") != std::string::npos || error.find("system.reg") != std::string::npos)
                << error;

            // Files are written one after the other, user.reg... or system.reg first; each is
            // either wholly old or wholly new, and what the store reads is the disk's state.
            Store fresh(where.path());
            ASSERT_NO_THROW(fresh.check());
            const bool userNew = readFile(where.file("user.reg")) != userReg();
            const bool systemNew = readFile(where.file("system.reg")) != system;
            EXPECT_EQ(fresh.findKey(HKEY_CURRENT_USER, u"Software\\Korrelin")->findValue(u"Left")->data[0],
                      userNew ? 9 : 0x64);
            EXPECT_EQ(fresh.findKey(HKEY_LOCAL_MACHINE, u"Software\\New") != nullptr, systemNew);
            EXPECT_EQ(store.findKey(HKEY_CURRENT_USER, u"Software\\Korrelin")->findValue(u"Left")->data[0],
                      userNew ? 9 : 0x64);
            if (op != FileIo::Op::FsyncDir && nth == 1) {
                EXPECT_FALSE(userNew || systemNew); // the first file failed before its rename
            }
            ASSERT_LT(nth, 10);
        }
    }
}

TEST_F(StoreTest, ALazyCommitSkipsOnlyTheFolderFlush)
{
    Store store(prefix.path());
    Store::Edit edit(store);
    edit.createKey(HKEY_CURRENT_USER, u"K");
    FileIo::failNth(FileIo::Op::FsyncDir, 1, EIO);
    EXPECT_NO_THROW(edit.commit(false));
    EXPECT_FALSE(FileIo::fired());
    EXPECT_NE(Store(prefix.path()).findKey(HKEY_CURRENT_USER, u"K"), nullptr);
}

TEST_F(StoreTest, ASymbolicLinkStaysALinkToTheReplacedFile)
{
    prefix.put("real.reg", userReg());
    std::filesystem::create_symlink("real.reg", prefix.file("user.reg"));
    Store store(prefix.path());
    Store::Edit edit(store);
    edit.createKey(HKEY_CURRENT_USER, u"Linked");
    edit.commit();
    EXPECT_TRUE(std::filesystem::is_symlink(prefix.file("user.reg")));
    EXPECT_NE(readFile(prefix.file("real.reg")).find("[Linked]"), std::string::npos);
}

TEST_F(StoreTest, LeftoverTemporaryFilesOfKilledWritersAreRemoved)
{
    prefix.put("user.reg", userReg());
    prefix.put(".user.reg.0123456789abcdef.tmp", "half");
    prefix.put(".user.reg.notours.tmp", "keep");
    Store store(prefix.path());
    Store::Edit edit(store);
    edit.createKey(HKEY_CURRENT_USER, u"K");
    edit.commit();
    EXPECT_EQ(entries(prefix.path()), (std::set<std::string>{".user.reg.notours.tmp", "user.reg"}));
}

} // namespace
