// kreg against real Wine on one prefix that wine made (tests/wine/make_prefix.sh):
// the store loads and saves Wine's files byte for byte, Wine's reg reads what kreg
// wrote, and kreg query / kreg export print what wine reg query / wine reg export print
// on the same keys.
#include "Clock.h"
#include "HiveFormat.h"
#include "Kreg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Output {
    int code = -1;
    std::string out;
};

// Runs a program with stdin from /dev/null (so that nothing can wait for an answer)
// and returns its exit code and standard output. The output goes through a file, not a
// pipe: the wineserver that wine starts inherits it and would hold a pipe open long
// after wine itself has ended.
Output runProgram(const std::vector<std::string>& argv, const fs::path& cwd)
{
    const fs::path capture = fs::temp_directory_path() /
                             ("kreg-wine-out-" + std::to_string(getpid()) + ".txt");
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_RDWR);
        const int out = open(capture.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (null < 0 || out < 0 || chdir(cwd.c_str()) != 0)
            _exit(127);
        dup2(null, 0);
        dup2(null, 2);
        dup2(out, 1);
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    Output result;
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readFile(capture);
    fs::remove(capture);
    return result;
}

Output runKregHere(std::vector<std::string> args, const fs::path& prefix)
{
    args.insert(args.begin(), {"--prefix", prefix.string()});
    std::istringstream in;
    std::ostringstream out, err;
    const int code = runKreg(args, out, err, in);
    return {code, out.str()};
}

const char* env(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

const std::string base = "HKCU\\Software\\KregWine";

// Written by kreg: every value type Wine's reg and kreg print alike, odd characters in
// key and value names and data, and Wine's sort order.
const std::vector<std::vector<std::string>> kregWrites = {
    {base + "\\Common", "/ve", "/d", "default data"},
    {base + "\\Common", "/v", "sz", "/d", "hello world"},
    {base + "\\Common", "/v", "quote\"in", "/d", "a\"b"},
    {base + "\\Common", "/v", "back\\slash", "/d", "C:\\Windows\\x"},
    {base + "\\Common", "/v", "[brackets]", "/d", "[x]"},
    {base + "\\Common", "/v", "tab\there", "/d", "a\tb"},
    {base + "\\Common", "/v", "trailsp ", "/d", " lead and trail "},
    {base + "\\Common", "/v", "semi;colon=eq@", "/d", "%1 %% it's"},
    {base + "\\Common", "/v", "nl", "/d", "line1\nline2\rx"},
    {base + "\\Common", "/v", "emptysz", "/d", ""},
    {base + "\\Common", "/v", "expand", "/t", "REG_EXPAND_SZ", "/d", "%PATH%;x"},
    {base + "\\Common", "/v", "multi", "/t", "REG_MULTI_SZ", "/d", "one\\0two\\0three"},
    {base + "\\Common", "/v", "dw", "/t", "REG_DWORD", "/d", "0x12345678"},
    {base + "\\Common", "/v", "dwsmall", "/t", "REG_DWORD", "/d", "2"},
    {base + "\\Common", "/v", "dwbe", "/t", "REG_DWORD_BIG_ENDIAN", "/d", "1"},
    {base + "\\Common", "/v", "bin", "/t", "REG_BINARY", "/d", "0102abcdef"},
    {base + "\\Common", "/v", "longbin", "/t", "REG_BINARY", "/d",
     "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f202122232425262728292a2b2c2d2e2f303132333435363738393a3b"},
    {base + "\\Common", "/v", "emptybin", "/t", "REG_BINARY"},
    {base + "\\Common", "/v", "none", "/t", "REG_NONE", "/d", "abc"},
    {base + "\\Common", "/v", "1", "/d", "o"},
    {base + "\\Common", "/v", "10", "/d", "o"},
    {base + "\\Common", "/v", "9", "/d", "o"},
    {base + "\\Common", "/v", "a b", "/d", "o"},
    {base + "\\Common", "/v", "A1", "/d", "o"},
    {base + "\\Common", "/v", "A_", "/d", "o"},
    {base + "\\Common", "/v", "_x", "/d", "o"},
    {base + "\\Common", "/v", "`", "/d", "o"},
    {base + "\\Common", "/v", "{", "/d", "o"},
    {base + "\\Common", "/v", "~", "/d", "o"},
    {base + "\\Common\\br]ack[et", "/v", "k", "/d", "1"},
    {base + "\\Common\\quo\"te", "/v", "k", "/d", "1"},
    {base + "\\Common\\sp ace", "/v", "k", "/d", "1"},
    {base + "\\Common\\#hash", "/v", "k", "/d", "1"},
    {base + "\\Common\\KA_", "/v", "k", "/d", "1"},
    {base + "\\Common\\ka", "/v", "k", "/d", "1"},
    {base + "\\Common\\_kx", "/v", "k", "/d", "1"},
    {base + "\\Common\\k10", "/v", "k", "/d", "1"},
    {base + "\\Common\\k9", "/v", "k", "/d", "1"},
    {base + "\\Common\\Sub1", "/v", "a b", "/d", "1"},
    {base + "\\Common\\Sub1\\Deep\\Deeper\\Deepest", "/ve"},
    {base + "\\Qword", "/v", "qw", "/t", "REG_QWORD", "/d", "0x123456789abcdef0"},
    {base + "\\Unicode\\Keys\\\xe4\xb8\xad\xe6\x96\x87", "/v", "caf\xc3\xa9",
     "/d", "\xe4\xb8\xad\xe6\x96\x87\xf0\x9f\x98\x80"},
    {base + "\\Latin", "/v", "caf\xc3\xa9", "/d", "\xc3\xa9t\xc3\xa9"},
    {"HKCR\\.kregwine", "/ve", "/d", "kregfile"},
};

// Written by Wine's reg while its server runs, read by kreg afterwards.
const std::vector<std::vector<std::string>> wineWrites = {
    {base + "\\ByWine", "/v", "sz", "/d", "from wine", "/f"},
    {base + "\\ByWine", "/v", "dw", "/t", "REG_DWORD", "/d", "0xdeadbeef", "/f"},
    {base + "\\ByWine", "/v", "multi", "/t", "REG_MULTI_SZ", "/d", "a\\0b", "/f"},
    {base + "\\ByWine", "/v", "expand", "/t", "REG_EXPAND_SZ", "/d", "%SystemRoot%", "/f"},
    {base + "\\ByWine\\Sub", "/ve", "/t", "REG_BINARY", "/d", "00ff", "/f"},
};

// reg query command lines compared between Wine and kreg (ASCII names only: Wine
// converts its redirected output to code page 437).
const std::vector<std::vector<std::string>> queries = {
    {base + "\\Common"},
    {base + "\\Common", "/s"},
    {base + "\\Common", "/v", "sz"},
    {base + "\\Common", "/v", "SZ"},
    {base + "\\Common", "/ve"},
    {base + "\\Common", "/ve", "/s"},
    {base + "\\Common\\Sub1", "/ve"},
    {base + "\\Common", "/v", "a b", "/s"},
    {"hkcu\\software\\kregwine\\common\\sub1\\", "/s"},
    {base + "\\Common\\Sub1\\Deep"},
    {base + "\\Common", "/v", "nope"},
    {base + "\\Nope"},
    {"HKXX\\Software"},
    {base + "\\ByWine", "/s"},
    {"HKCR\\.kregwine"},
};

// Everything Wine printed, taken in one Wine session in SetUpTestSuite.
struct WineSide {
    std::map<std::vector<std::string>, Output> queries;
    Output qword;
    Output latin;
    Output readBack;
    std::string exportAll, exportClasses;
    std::map<std::string, std::string> freshFiles, savedFiles;
    std::string error;
};

WineSide* wine = nullptr;

class WineRegTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        wine = new WineSide;
        if (!env("KORRELIN_WINE") || !env("KORRELIN_WINE_PREFIX"))
            return;
        const fs::path prefix = env("KORRELIN_WINE_PREFIX");
        const std::string wineBin = env("KORRELIN_WINE");
        const std::string server = env("KORRELIN_WINESERVER");
        setenv("WINEPREFIX", prefix.c_str(), 1);
        setenv("WINEDEBUG", "-all", 1);
        setenv("DISPLAY", "", 1);
        runProgram({server, "-w"}, prefix);

        for (const char* f : {"system.reg", "user.reg", "userdef.reg"})
            wine->freshFiles[f] = readFile(prefix / f);

        // kreg writes into the files while no wineserver holds them.
        for (std::vector<std::string> args : kregWrites) {
            args.insert(args.begin(), "add");
            args.push_back("/f");
            const Output r = runKregHere(args, prefix);
            if (r.code != 0) {
                wine->error = "kreg add failed: " + r.out;
                return;
            }
        }

        const fs::path work = fs::path(prefix).parent_path();
        auto reg = [&](std::vector<std::string> args) {
            args.insert(args.begin(), {wineBin, "reg"});
            return runProgram(args, work);
        };
        for (std::vector<std::string> args : wineWrites) {
            args.insert(args.begin(), "add");
            if (reg(args).code != 0)
                wine->error = "wine reg add failed";
        }
        for (const auto& q : queries) {
            std::vector<std::string> args = q;
            args.insert(args.begin(), "query");
            wine->queries[q] = reg(args);
        }
        wine->qword = reg({"query", base + "\\Qword", "/v", "qw"});
        wine->latin = reg({"query", base + "\\Latin"});
        wine->readBack = reg({"query", base + "\\Common", "/v", "multi"});
        fs::remove(work / "wine-all.reg");
        fs::remove(work / "wine-classes.reg");
        reg({"export", base, "wine-all.reg", "/y"});
        reg({"export", "HKCR\\.kregwine", "wine-classes.reg", "/y"});
        // Wait for the server to end: it writes the registry back on exit.
        runProgram({server, "-w"}, prefix);
        wine->exportAll = readFile(work / "wine-all.reg");
        wine->exportClasses = readFile(work / "wine-classes.reg");
        for (const char* f : {"system.reg", "user.reg", "userdef.reg"})
            wine->savedFiles[f] = readFile(prefix / f);
    }

    static void TearDownTestSuite()
    {
        delete wine;
        wine = nullptr;
    }

    void SetUp() override
    {
        if (!env("KORRELIN_WINE_PREFIX"))
            GTEST_SKIP() << "no Wine prefix (wine is not installed)";
        ASSERT_EQ(wine->error, "");
        prefix = env("KORRELIN_WINE_PREFIX");
    }

    fs::path prefix;
};

TEST_F(WineRegTest, StoreLoadsAndSavesWineFilesByteForByte)
{
    for (const auto* files : {&wine->freshFiles, &wine->savedFiles}) {
        for (const auto& [name, text] : *files) {
            SCOPED_TRACE(name + (files == &wine->freshFiles ? " as made by wine"
                                                             : " as saved by wine after kreg"));
            ASSERT_FALSE(text.empty());
            const Hive hive = parseHive(text, name, Clock::now());
            EXPECT_TRUE(serializeHive(hive) == text) << "load and save changed the file";
        }
    }
}

TEST_F(WineRegTest, WineReadsWhatKregWrote)
{
    EXPECT_EQ(wine->readBack.code, 0);
    EXPECT_EQ(wine->readBack.out, "\r\nHKEY_CURRENT_USER\\Software\\KregWine\\Common\r\n"
                                  "    multi    REG_MULTI_SZ    one\\0two\\0three\r\n\r\n");
}

TEST_F(WineRegTest, QueryPrintsWhatWineRegPrints)
{
    for (const auto& q : queries) {
        std::string label;
        for (const std::string& a : q)
            label += a + " ";
        SCOPED_TRACE(label);
        std::vector<std::string> args = q;
        args.insert(args.begin(), "query");
        const Output mine = runKregHere(args, prefix);
        const Output& theirs = wine->queries.at(q);
        EXPECT_EQ(mine.out, theirs.out);
        EXPECT_EQ(mine.code, theirs.code);
    }
}

TEST_F(WineRegTest, QwordAndNonAsciiDifferOnlyAsDocumented)
{
    // Wine's reg has no formatting for REG_QWORD and prints "(null)"; kreg prints the
    // number, as Windows' reg does.
    const std::string key = "\r\nHKEY_CURRENT_USER\\Software\\KregWine\\Qword\r\n";
    EXPECT_EQ(wine->qword.out, key + "    qw    REG_QWORD    (null)\r\n\r\n");
    EXPECT_EQ(runKregHere({"query", base + "\\Qword", "/v", "qw"}, prefix).out,
              key + "    qw    REG_QWORD    0x123456789abcdef0\r\n\r\n");

    // Wine converts redirected output to code page 437 (e-acute is 0x82); kreg writes
    // UTF-8. Otherwise the bytes are the same.
    std::string mine = runKregHere({"query", base + "\\Latin"}, prefix).out;
    for (size_t at; (at = mine.find("\xc3\xa9")) != std::string::npos;)
        mine.replace(at, 2, "\x82");
    EXPECT_EQ(mine, wine->latin.out);
}

TEST_F(WineRegTest, ExportWritesWhatWineRegExportWrites)
{
    const fs::path work = prefix.parent_path();
    ASSERT_FALSE(wine->exportAll.empty());
    // Non-ASCII names and data included: export files are UTF-16 in both.
    ASSERT_EQ(runKregHere({"export", base, (work / "kreg-all.reg").string(), "/y"}, prefix).code, 0);
    EXPECT_TRUE(readFile(work / "kreg-all.reg") == wine->exportAll)
        << "compare " << (work / "kreg-all.reg") << " with " << (work / "wine-all.reg");
    ASSERT_EQ(runKregHere({"export", "HKCR\\.kregwine", (work / "kreg-classes.reg").string(), "/y"},
                          prefix)
                  .code,
              0);
    EXPECT_TRUE(readFile(work / "kreg-classes.reg") == wine->exportClasses);
}

} // namespace
