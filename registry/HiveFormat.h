// Wine's registry file format, version 2: reading a hive file into a tree and writing
// the tree back. Writing reproduces Wine's own writer exactly for changed keys and
// reuses the original section text for unchanged ones, so an untouched file comes back
// byte for byte.
#pragma once

#include "RegKey.h"
#include "RegistryError.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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
// here: a file is never half-loaded. The message is Wine's, with the line quoted:
// "Unrecognized input", "Value without key", "Malformed key", "Error creating key",
// "Malformed value", "Malformed value name", "Unknown architecture", "Malformed class"
// (a class Wine would silently drop), and "not a valid registry file" for a first line
// other than the signature. loadTime is the time given to keys whose section carries
// no time of its own (must not be 0).
//
// Unchanged keys keep their section's text (RegKey::rawSection) when writing it back
// verbatim reproduces the key exactly; HiveFormat.cpp lists when that is.
//
// Every line is checked here, but values are decoded only when a key's values are
// first asked for: keys point into the text (RegKey). This form copies the text once;
// the other uses it in place, and the keys keep owner, which must keep text valid, alive.
Hive parseHive(std::string_view text, const std::string& fileName, uint64_t loadTime);
Hive parseHive(std::string_view text, std::shared_ptr<const void> owner, const std::string& fileName,
               uint64_t loadTime);

// Decodes value lines that parseHive checked (the lines of a section after its key
// line), calling add for every value in the order of the lines. Lines other than
// value lines are skipped. Throws RegistryError for a line that does not parse.
using ValueSink = std::function<void(std::u16string_view name, uint32_t type, std::vector<uint8_t>&& data)>;
void decodeValueLines(std::string_view lines, const ValueSink& add);

// Wine's writer: the header, then in pre-order of the sorted tree an empty line and
// the section of every key that Wine would write, using the kept text of unchanged
// keys. A Wine-written file that was not changed comes back byte for byte.
std::string serializeHive(const Hive& hive);

// The header Wine writes for a new file of that branch. branch is the branch's path
// with single backslashes between names (REGISTRY\Machine, written "REGISTRY\\Machine"
// in C++); arch is "win64", "win32", or empty for no #arch line.
std::string newHiveHeader(std::string_view branch, std::string_view arch);
