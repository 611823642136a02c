// The in-memory registry tree of one hive file: keys with their values and sub-keys,
// both kept in Wine's sort order (WineName.h), plus what the file format carries
// besides (time, class, link flag) and the original text of the key's section so that
// an unchanged key is written back byte for byte.
//
// A key loaded from a file points into the file's text instead of copying it: its kept
// section text is a view of that text, and its values stay undecoded lines of it until
// they are first asked for. The key shares ownership of the text, so the views stay
// valid for as long as the key (or a clone of it) lives. Decoding on first use changes
// the key even through const access, so a tree must not be read from two threads at once.
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
    RegKey(std::u16string_view name, uint64_t time);

    const std::u16string& name() const { return m_name; }

    // Last modification as a Windows FILETIME (100 ns units since 1601-01-01 UTC).
    uint64_t time() const { return m_time; }
    void setTime(uint64_t time);

    const std::optional<std::u16string>& className() const;
    void setClassName(std::optional<std::u16string> className);
    bool isLink() const { return m_link; }
    void setLink(bool link);

    // Decodes the key's value lines first if they have not been yet.
    const std::vector<RegValue>& values() const;
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
    // are written anew. The view must stay valid as long as the key: it points into
    // the text given to attachText, or at a string literal.
    const std::optional<std::string_view>& rawSection() const { return m_raw; }
    void setRawSection(std::optional<std::string_view> raw) { m_raw = raw; }

    // For the loader: what keeps the file text the key's views point into alive.
    void attachText(const std::shared_ptr<const void>& owner);
    // For the loader: value lines of a section of this key, already checked, to be
    // decoded on first use. Lines given earlier are decoded first, so that a later
    // section's value wins over an earlier one of the same name, as in Wine.
    void addValueLines(std::string_view lines);

    // A deep copy; undecoded value lines and kept text are shared, not decoded.
    std::unique_ptr<RegKey> clone() const;

    // Keys come from a pool (KeyPool.h): a big hive has very many of them.
    static void* operator new(size_t size);
    static void operator delete(void* key, size_t size);

private:
    void decodePending() const;
    // Creates or replaces a value without touching the kept section text.
    bool putValue(std::u16string_view name, uint32_t type, std::vector<uint8_t>&& data) const;

    std::u16string m_name;
    uint64_t m_time;
    // Held apart because most keys have no class: an empty optional would cost every key.
    std::unique_ptr<const std::optional<std::u16string>> m_class;
    bool m_link = false;
    mutable std::vector<RegValue> m_values;
    mutable std::string_view m_pending; // value lines not decoded yet
    std::vector<std::unique_ptr<RegKey>> m_subkeys;
    std::optional<std::string_view> m_raw;
    std::shared_ptr<const void> m_text; // owns what the views point into
};
