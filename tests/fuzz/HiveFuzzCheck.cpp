#include "HiveFuzzCheck.h"

#include "HiveFormat.h"

namespace {

// Any fixed time: keys without one take it, and both loads must agree on it.
constexpr uint64_t kLoadTime = 0x1dd89410062e23eULL;

void dropRawText(RegKey& key) {
    key.setRawSection(std::nullopt);
    for (const auto& sub : key.subkeys())
        dropRawText(*sub);
}

// The tree as Wine's writer would put it, whatever text the keys kept.
std::string canonical(const Hive& hive) {
    Hive copy;
    copy.header = hive.header;
    copy.root = hive.root->clone();
    dropRawText(*copy.root);
    return serializeHive(copy);
}

} // namespace

std::string checkHiveInput(std::string_view text) {
    Hive first;
    try {
        first = parseHive(text, "fuzz.reg", kLoadTime);
    } catch (const HiveParseError&) {
        return {};
    }
    const std::string written = serializeHive(first);
    Hive second;
    try {
        second = parseHive(written, "written.reg", kLoadTime);
    } catch (const HiveParseError& e) {
        return std::string("written file does not load: ") + e.what();
    }
    if (canonical(second) != canonical(first))
        return "written file loads to other keys";
    if (serializeHive(second) != written)
        return "writing the written file again changes it";
    return {};
}
