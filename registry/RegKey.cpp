#include "RegKey.h"

#include "HiveFormat.h"
#include "KeyPool.h"
#include "WineName.h"

#include <algorithm>

namespace {

// First element whose name does not sort before `name`, in Wine's order.
template <typename Vec, typename NameOf>
auto lowerBoundByName(Vec& vec, std::u16string_view name, NameOf nameOf) {
    return std::lower_bound(
        vec.begin(), vec.end(), name,
        [&](const auto& item, std::u16string_view n) { return wineCompare(nameOf(item), n) < 0; });
}

const std::u16string& valueName(const RegValue& v) {
    return v.name;
}
const std::u16string& keyName(const std::unique_ptr<RegKey>& k) {
    return k->name();
}

const std::optional<std::u16string> kNoClass;

// Never destroyed: keys held by static objects may be freed after it would have been.
KeyPool& keyPool() {
    static KeyPool* pool = new KeyPool(sizeof(RegKey));
    return *pool;
}

} // namespace

void* RegKey::operator new(size_t size) {
    // A class derived from RegKey may be bigger than a slot.
    return size == sizeof(RegKey) ? keyPool().allocate() : ::operator new(size);
}

void RegKey::operator delete(void* key, size_t size) {
    if (size == sizeof(RegKey))
        keyPool().release(key);
    else
        ::operator delete(key);
}

RegKey::RegKey(std::u16string_view name, uint64_t time) : m_name(name), m_time(time) {}

void RegKey::setTime(uint64_t time) {
    if (time == m_time)
        return;
    m_time = time;
    m_raw.reset();
}

const std::optional<std::u16string>& RegKey::className() const {
    return m_class ? *m_class : kNoClass;
}

void RegKey::setClassName(std::optional<std::u16string> className) {
    if (className == this->className())
        return;
    if (className)
        m_class = std::make_unique<const std::optional<std::u16string>>(std::move(className));
    else
        m_class.reset();
    m_raw.reset();
}

void RegKey::setLink(bool link) {
    if (link == m_link)
        return;
    m_link = link;
    m_raw.reset();
}

const std::vector<RegValue>& RegKey::values() const {
    decodePending();
    return m_values;
}

void RegKey::attachText(const std::shared_ptr<const void>& owner) {
    if (m_text != owner)
        m_text = owner;
}

void RegKey::addValueLines(std::string_view lines) {
    if (lines.empty())
        return;
    decodePending();
    m_pending = lines;
}

void RegKey::decodePending() const {
    if (m_pending.empty())
        return;
    // Cleared first: a decoding error must not leave the lines to be decoded twice.
    const std::string_view lines = m_pending;
    m_pending = {};
    decodeValueLines(lines, [this](std::u16string_view name, uint32_t type, std::vector<uint8_t>&& data) {
        putValue(name, type, std::move(data));
    });
}

bool RegKey::putValue(std::u16string_view name, uint32_t type, std::vector<uint8_t>&& data) const {
    // Values of a Wine-written section come in sorted order: append without a search.
    if (m_values.empty() || wineCompare(m_values.back().name, name) < 0) {
        m_values.push_back(RegValue{std::u16string(name), type, std::move(data)});
        return true;
    }
    auto it = lowerBoundByName(m_values, name, valueName);
    if (it != m_values.end() && wineEqual(it->name, name)) {
        if (it->type == type && it->data == data)
            return false;
        it->type = type;
        it->data = std::move(data);
    } else {
        m_values.insert(it, RegValue{std::u16string(name), type, std::move(data)});
    }
    return true;
}

const RegValue* RegKey::findValue(std::u16string_view name) const {
    decodePending();
    auto it = lowerBoundByName(m_values, name, valueName);
    if (it == m_values.end() || !wineEqual(it->name, name))
        return nullptr;
    return &*it;
}

RegKey* RegKey::findSubkey(std::u16string_view name) {
    auto it = lowerBoundByName(m_subkeys, name, keyName);
    if (it == m_subkeys.end() || !wineEqual((*it)->name(), name))
        return nullptr;
    return it->get();
}

const RegKey* RegKey::findSubkey(std::u16string_view name) const {
    return const_cast<RegKey*>(this)->findSubkey(name);
}

bool RegKey::setValue(std::u16string_view name, uint32_t type, std::vector<uint8_t> data) {
    decodePending();
    if (!putValue(name, type, std::move(data)))
        return false;
    m_raw.reset();
    return true;
}

bool RegKey::deleteValue(std::u16string_view name) {
    decodePending();
    auto it = lowerBoundByName(m_values, name, valueName);
    if (it == m_values.end() || !wineEqual(it->name, name))
        return false;
    m_values.erase(it);
    m_raw.reset();
    return true;
}

// Adding or removing a sub-key leaves this key's own section text as it was: the
// section holds only the key's time, class, link flag and values.
RegKey& RegKey::createSubkey(std::u16string_view name, uint64_t time, bool* created) {
    // A Wine-written file lists sub-keys in sorted order: a new last one is appended
    // without a search.
    if (m_subkeys.empty() || wineCompare(m_subkeys.back()->name(), name) < 0) {
        if (created)
            *created = true;
        m_subkeys.push_back(std::make_unique<RegKey>(name, time));
        return *m_subkeys.back();
    }
    auto it = lowerBoundByName(m_subkeys, name, keyName);
    const bool exists = it != m_subkeys.end() && wineEqual((*it)->name(), name);
    if (created)
        *created = !exists;
    if (exists)
        return **it;
    it = m_subkeys.insert(it, std::make_unique<RegKey>(name, time));
    return **it;
}

bool RegKey::deleteSubkey(std::u16string_view name) {
    auto it = lowerBoundByName(m_subkeys, name, keyName);
    if (it == m_subkeys.end() || !wineEqual((*it)->name(), name))
        return false;
    m_subkeys.erase(it);
    return true;
}

std::unique_ptr<RegKey> RegKey::clone() const {
    auto copy = std::make_unique<RegKey>(m_name, m_time);
    if (m_class)
        copy->m_class = std::make_unique<const std::optional<std::u16string>>(*m_class);
    copy->m_link = m_link;
    copy->m_values = m_values;
    copy->m_pending = m_pending;
    copy->m_raw = m_raw;
    copy->m_text = m_text;
    copy->m_subkeys.reserve(m_subkeys.size());
    for (const auto& sub : m_subkeys)
        copy->m_subkeys.push_back(sub->clone());
    return copy;
}
