// Replays the fuzz target's seeds and every input it once failed on, in every build.
#include "HiveFuzzCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

TEST(HiveFormatFuzzReplayTest, SeedsAndFindingsKeepTheLoaderProperties) {
    int replayed = 0;
    for (const char* folder :
         {KORRELIN_FUZZ_DATA "/corpus/hive", KORRELIN_FUZZ_DATA "/findings/hive"}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (!entry.is_regular_file() || entry.path().filename().string().starts_with("."))
                continue;
            SCOPED_TRACE(entry.path().string());
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream s;
            s << in.rdbuf();
            EXPECT_EQ(checkHiveInput(s.str()), "");
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0) << "no seeds found";
}

} // namespace
