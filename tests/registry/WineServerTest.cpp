// Invariant 6 against a real wineserver: while one runs for the prefix, reads work and
// every write is refused, and nothing on disk changes; once it has ended, writes work.
#include "WineServer.h"

#include "StoreTestSupport.h"
#include "TRegistry.h"

#include <chrono>
#include <functional>
#include <thread>

using namespace storetest;

namespace {

bool haveWineserver()
{
    return std::system("command -v wineserver >/dev/null 2>&1") == 0;
}

int wineserver(const std::filesystem::path& prefix, const char* option)
{
    const std::string command = "WINEDEBUG=-all WINEPREFIX='" + prefix.string() + "' wineserver " + option;
    return std::system(command.c_str());
}

// Waits for the server to start or end: an event we cannot be told about, so we look
// for it, with a generous limit for a loaded machine.
bool waitFor(const std::function<bool()>& condition)
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > limit)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// Ends the server however the test ends, and removes the folders it made under /tmp.
class ServerGuard {
public:
    explicit ServerGuard(const std::filesystem::path& prefix) : m_prefix(prefix) {}
    ~ServerGuard()
    {
        const auto lockFiles = WineServer::lockFiles(m_prefix);
        wineserver(m_prefix, "-k >/dev/null 2>&1");
        waitFor([&] { return !WineServer::holds(m_prefix); });
        std::error_code ignored;
        for (const auto& lock : lockFiles) {
            std::filesystem::remove_all(lock.parent_path(), ignored);
            std::filesystem::remove(lock.parent_path().parent_path(), ignored); // only when empty
        }
    }

private:
    std::filesystem::path m_prefix;
};

TEST(WineServerTest, WritesAreRefusedWhileAServerRunsForThePrefix)
{
    if (!haveWineserver())
        GTEST_SKIP() << "wine is not installed";
    TempPrefix prefix;
    prefix.put("user.reg", userReg());
    Store store(prefix.path());
    EXPECT_FALSE(store.heldByWine());

    // A change made before the server started must not be committed after.
    Store::Edit early(store);
    early.createKey(HKEY_CURRENT_USER, u"Early");

    ServerGuard guard(prefix.path());
    ASSERT_EQ(wineserver(prefix.path(), "-p"), 0);
    ASSERT_TRUE(waitFor([&] { return store.heldByWine(); }));
    const auto filesBefore = entries(prefix.path());

    {
        TRegistry reg(store);
        reg.LazyWrite = false;
        ASSERT_TRUE(reg.OpenKey("Software\\Korrelin", false));
        EXPECT_EQ(reg.ReadInteger("Left"), 100);
        EXPECT_EQ(errorOf([&] { reg.WriteInteger("Left", 5); }), "Failed to set data for 'Left'");
        EXPECT_EQ(errorOf([&] { reg.WriteString("New", "x"); }), "Failed to set data for 'New'");
        EXPECT_EQ(errorOf([&] { reg.DeleteValue("Left"); }), "Failed to set data for 'Left'");
        EXPECT_EQ(errorOf([&] { reg.RenameValue("Left", "Right"); }), "Failed to set data for 'Right'");
        EXPECT_EQ(errorOf([&] { reg.DeleteKey("Sub"); }), "Failed to set data for 'Sub'");
        EXPECT_FALSE(reg.OpenKey("\\Created", true));
        EXPECT_EQ(errorOf([&] { reg.WriteString("v", "x"); }), "Failed to set data for 'v'");
        reg.CloseKey();
    }
    const std::string refused = errorOf([&] { early.commit(); });
    EXPECT_NE(refused.find("wineserver"), std::string::npos) << refused;
    EXPECT_NE(refused.find(prefix.path().string()), std::string::npos) << refused;
    EXPECT_EQ(readFile(prefix.file("user.reg")), userReg());
    EXPECT_EQ(entries(prefix.path()), filesBefore);

    ASSERT_EQ(wineserver(prefix.path(), "-k"), 0);
    ASSERT_TRUE(waitFor([&] { return !store.heldByWine(); }));
    TRegistry reg(store);
    ASSERT_TRUE(reg.OpenKey("Software\\Korrelin", false));
    EXPECT_NO_THROW(reg.WriteInteger("Left", 5));
    EXPECT_NO_THROW(reg.CloseKey());
}

} // namespace
