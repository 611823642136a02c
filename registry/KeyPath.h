// Key paths and names as the store accepts them: a path is names joined by '\', the
// empty path being the root. The limits are Windows' own (255 characters per key name,
// 16383 per value name); data is capped at 1 MiB so that one bad write cannot bloat a
// hive file that Wine loads whole into memory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class KeyPath {
public:
    static constexpr size_t maxKeyName = 255;
    static constexpr size_t maxValueName = 16383;
    static constexpr size_t maxData = 1024 * 1024;

    // The names of a path; throws RegistryError for an empty segment, a name over
    // maxKeyName characters or a NUL.
    static std::vector<std::u16string> split(std::u16string_view path);
    // The same without throwing: false for a path no key can have.
    static bool trySplit(std::u16string_view path, std::vector<std::u16string>& names);

    // Throw RegistryError when a value name or data is not acceptable.
    static void checkValueName(std::u16string_view name);
    static void checkData(size_t size);

    static std::u16string join(const std::vector<std::u16string>& names);
};
