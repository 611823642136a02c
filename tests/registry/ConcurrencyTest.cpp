// Invariant 4 with real processes: two writers committing at the same time never lose
// each other's changes.
#include "Store.h"

#include "StoreProcessSupport.h"
#include "StoreTestSupport.h"

using namespace storetest;

namespace {

TEST(ConcurrencyTest, TwoWritersInParallelLoseNothing)
{
    TempPrefix prefix;
    prefix.put("user.reg", userReg());
    constexpr long count = 40;
    {
        WriterProcess one(prefix.path().string(), "one", 0, count);
        WriterProcess two(prefix.path().string(), "two", 0, count);
        long acks = 0;
        while (one.nextAck() != -1)
            ++acks;
        while (two.nextAck() != -1)
            ++acks;
        EXPECT_EQ(one.wait(), 0);
        EXPECT_EQ(two.wait(), 0);
        EXPECT_EQ(acks, 2 * count);
    }
    Store store(prefix.path());
    for (const char16_t* name : {u"Software\\Writers\\one", u"Software\\Writers\\two"}) {
        const RegKey* key = store.findKey(HKEY_CURRENT_USER, name);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->values().size(), static_cast<size_t>(count));
    }
    // What was there before is there still.
    EXPECT_NE(store.findKey(HKEY_CURRENT_USER, u"Control Panel\\Desktop")->findValue(u"MenuShowDelay"), nullptr);
    EXPECT_EQ(entries(prefix.path()), (std::set<std::string>{"user.reg"}));
}

} // namespace
