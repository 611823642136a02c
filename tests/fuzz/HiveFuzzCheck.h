// The properties the hive loader and writer must keep for any input, shared by the
// fuzz target and by the test that replays its findings and seeds.
#pragma once

#include <string>
#include <string_view>

// Loads text as a hive file. Input that does not parse must fail with HiveParseError
// and nothing else; input that parses must be written back as a file that loads to
// the same keys, and writing that again must give the same bytes. Returns an empty
// string when the properties hold, else what went wrong.
std::string checkHiveInput(std::string_view text);
