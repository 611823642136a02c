// Registry keys and values as scenario files write them: "HKCU\Software\X", a type word
// (sz, expand_sz, multi_sz, dword, binary, none) and its data, and the same notation for
// what the store holds when an expectation fails.
#pragma once

#include "RegistryTypes.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class ScenarioValue {
public:
    // "HKCU\Software\X" (or HKEY_CURRENT_USER, HKCR, HKLM, HKU and their long names, any
    // case) into root and the path below it, which may be empty.
    static bool parseKey(const QString& key, HKEY& root, QString& path);

    static std::optional<uint32_t> parseType(const QString& word);
    static QString typeName(uint32_t type);

    // The bytes the store keeps for DATA of that type: strings as UTF-16 with their
    // terminator, multi_sz items separated by the two characters \0, dword decimal or
    // 0x hex (4 bytes, little-endian), binary and none as hex digits with blanks allowed.
    static std::optional<std::vector<uint8_t>> encode(uint32_t type, const QString& data);
    // Hex digits in pairs; blanks between pairs are ignored.
    static std::optional<std::vector<uint8_t>> parseHex(const QString& text);
    static QString hex(const std::vector<uint8_t>& bytes);

    // Whether stored data equals the expected data. Strings compare by their text, so a
    // value stored without its terminator still matches; the rest compares byte for byte.
    static bool matches(uint32_t type, const std::vector<uint8_t>& expected, uint32_t actualType,
                        const std::vector<uint8_t>& actual);

    // A value in the scenario notation: sz "text", dword 0x00000001, binary 0d0a.
    static QString describe(uint32_t type, const std::vector<uint8_t>& data);
};
