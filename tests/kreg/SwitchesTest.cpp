// The switch rules every kreg command shares, on one table of command lines.
#include "Switches.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SwitchesTest, ReadsFlagsAndOperandsAsRegDoes)
{
    struct Case {
        std::vector<std::string> args; // after the command's fixed arguments
        bool accepted;
    };
    const Case cases[] = {
        {{}, true},
        {{"/f", "/v", "name"}, true},
        {{"-F", "/V", "name"}, true},           // "-" and any case
        {{"/y", "/y"}, true},                   // a repeatable flag
        {{"/s", ",", "/s", ";"}, true},         // a repeatable operand
        {{"/reg:32"}, true},
        {{"/f", "/f"}, false},                  // a flag given twice
        {{"/v", "a", "/v", "b"}, false},        // an operand given twice
        {{"/v"}, false},                        // an operand missing
        {{"/s", ",,"}, false},                  // refused by its reader
        {{"/reg:32", "/reg:64"}, false},        // both views
        {{"/reg:64", "/reg:64"}, false},
        {{"f"}, false},                         // not a switch
        {{""}, false},
        {{"/x"}, false},                        // not this command's
    };
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& arg : c.args)
            line += "[" + arg + "]";
        SCOPED_TRACE(line);
        bool force = false, overwrite = false;
        std::optional<std::string> valueName;
        Switches switches;
        switches.flag("f", force)
            .repeatableFlag("y", overwrite)
            .operand("v", valueName)
            .repeatableOperand("s", [](const std::string& text) { return text.size() == 1; });
        std::vector<std::string> args{"add", "HKCU\\K"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(switches.read(args, 2), c.accepted);
    }
}

TEST(SwitchesTest, KeepsWhatItRead)
{
    bool force = false, quiet = false;
    std::optional<std::string> valueName;
    std::string separators;
    Switches switches;
    switches.flag("f", force)
        .flag("q", quiet)
        .operand("v", valueName)
        .repeatableOperand("s", [&separators](const std::string& text) {
            separators += text;
            return true;
        });
    ASSERT_TRUE(switches.read({"add", "HKCU\\K", "/s", ",", "-F", "/V", "Name", "/s", ";"}, 2));
    EXPECT_TRUE(force);
    EXPECT_FALSE(quiet);
    EXPECT_EQ(valueName, "Name");
    EXPECT_EQ(separators, ",;");
}

} // namespace
