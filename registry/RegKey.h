// The in-memory registry tree of one hive file: keys with their values and sub-keys,
// both kept in Wine's sort order (WineName.h), plus what the file format carries
// besides (time, class, link flag) and the original text of the key's section so that
// an unchanged key is written back byte for byte.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct RegValue {
    std::u16string name; // empty: the key's default value
    uint32_t type = 0;
    std::vector<uint8_t> data;
};

class RegKey {
public:
    RegKey(std::u16string name, uint64_t time);

    const std::u16string& name() const { return m_name; }

    // Last modification as a Windows FILETIME (100 ns units since 1601-01-01 UTC).
    uint64_t time() const { return m_time; }
    void setTime(uint64_t time);

    const std::optional<std::u16string>& className() const { return m_class; }
    void setClassName(std::optional<std::u16string> className);
    bool isLink() const { return m_link; }
    void setLink(bool link);

    const std::vector<RegValue>& values() const { return m_values; }
    const std::vector<std::unique_ptr<RegKey>>& subkeys() const { return m_subkeys; }

    // Lookups ignore case as Wine does.
    const RegValue* findValue(std::u16string_view name) const;
    RegKey* findSubkey(std::u16string_view name);
    const RegKey* findSubkey(std::u16string_view name) const;

    // Creates or replaces a value; an existing value keeps its name's spelling.
    // Returns false when the value already held exactly this type and data.
    bool setValue(std::u16string_view name, uint32_t type, std::vector<uint8_t> data);
    bool deleteValue(std::u16string_view name);

    // Returns the existing sub-key of that name, or a new empty one with the given time.
    RegKey& createSubkey(std::u16string_view name, uint64_t time, bool* created = nullptr);
    bool deleteSubkey(std::u16string_view name);

    // The key's section as it stood in the file it was loaded from; cleared by every
    // change to the key itself (values, time, class, link), so that only changed keys
    // are written anew.
    const std::optional<std::string>& rawSection() const { return m_raw; }
    void setRawSection(std::optional<std::string> raw) { m_raw = std::move(raw); }

    std::unique_ptr<RegKey> clone() const;

private:
    std::u16string m_name;
    uint64_t m_time;
    std::optional<std::u16string> m_class;
    bool m_link = false;
    std::vector<RegValue> m_values;
    std::vector<std::unique_ptr<RegKey>> m_subkeys;
    std::optional<std::string> m_raw;
};
