// Wine's registry file format, version 2: reading a hive file into a tree and writing
// the tree back. Writing reproduces Wine's own writer exactly for changed keys and
// reuses the original section text for unchanged ones, so an untouched file comes back
// byte for byte.
#pragma once

#include "RegKey.h"
#include "RegistryError.h"

#include <memory>
#include <string>
#include <string_view>

struct Hive {
    // Everything before the first key section (the "WINE REGISTRY Version 2" line, the
    // branch comment, "#arch=..."), verbatim, without the blank line that starts the
    // first section.
    std::string header;
    std::unique_ptr<RegKey> root;
};

// "<file>:<line>: <message>", as Wine reports load errors.
class HiveParseError : public RegistryError {
public:
    HiveParseError(const std::string& file, int line, const std::string& message)
        : RegistryError(file + ":" + std::to_string(line) + ": " + message), m_line(line) {}
    int line() const { return m_line; }

private:
    int m_line;
};

// Parses a whole file. Anything Wine would report as an error (or skip) is an error
// here: a file is never half-loaded. loadTime is the time given to keys whose section
// carries no time of its own.
Hive parseHive(std::string_view text, const std::string& fileName, uint64_t loadTime);

std::string serializeHive(const Hive& hive);

// The header Wine writes for a new file of that branch, e.g. "REGISTRY\\Machine".
std::string newHiveHeader(std::string_view branch, std::string_view arch);
