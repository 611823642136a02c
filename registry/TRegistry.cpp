#include "TRegistry.h"

#include "HiveFormat.h"
#include "Unicode.h"

namespace {

[[noreturn]] void setError(const std::string& name)
{
    throw RegistryError("Failed to set data for '" + name + "'");
}

[[noreturn]] void getError(const std::string& name)
{
    throw RegistryError("Failed to get data for '" + name + "'");
}

[[noreturn]] void typeError(const std::string& name)
{
    throw RegistryError("Invalid data type for '" + name + "'");
}

// REG_SZ as Windows stores it: UTF-16LE with a terminating NUL.
std::vector<uint8_t> stringData(const std::string& text)
{
    std::vector<uint8_t> data = toUtf16LeBytes(toUtf16(text));
    data.push_back(0);
    data.push_back(0);
    return data;
}

// The text up to the first NUL; an odd last byte is not a whole character and is left out.
std::string stringOf(const std::vector<uint8_t>& data)
{
    const std::u16string units = fromUtf16LeBytes(data);
    return toUtf8(std::u16string_view(units).substr(0, units.find(u'\0')));
}

} // namespace

struct TRegistry::Impl {
    explicit Impl(Store& s) : store(s) {}

    Store& store;
    std::unique_ptr<Store::Edit> edit;
    bool open = false;
    HKEY openRoot = HKEY_CURRENT_USER;
    std::u16string openPath;

    Store::Edit& changes()
    {
        if (!edit)
            edit = std::make_unique<Store::Edit>(store);
        return *edit;
    }

    const RegKey* openKey()
    {
        return open ? changes().findKey(openRoot, openPath) : nullptr;
    }

    // A key name as the accessor takes it: relative to the open key unless it begins
    // with '\' or no key is open. A trailing '\' is ignored, as Windows ignores it.
    void resolve(HKEY rootKey, const std::string& key, HKEY& root, std::u16string& path) const
    {
        std::u16string name = toUtf16(key);
        const bool absolute = !name.empty() && name.front() == u'\\';
        if (absolute)
            name.erase(0, 1);
        if (!name.empty() && name.back() == u'\\')
            name.pop_back();
        if (open && !absolute) {
            root = openRoot;
            path = openPath;
            if (!name.empty())
                path = path.empty() ? name : path + u'\\' + name;
        } else {
            root = rootKey;
            path = name;
        }
    }

    void commit(bool flushFolder)
    {
        if (edit && !edit->empty())
            edit->commit(flushFolder);
    }
};

TRegistry::TRegistry() : TRegistry(Store::current()) {}

TRegistry::TRegistry(Store& store) : d(std::make_unique<Impl>(store)) {}

TRegistry::~TRegistry()
{
    // Whatever was written without a CloseKey is still committed; a destructor has no
    // one to report a failure to.
    try {
        d->commit(!LazyWrite);
    } catch (...) {
    }
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate)
{
    HKEY root;
    std::u16string path;
    d->resolve(RootKey, key, root, path);
    if (!d->changes().findKey(root, path)) {
        if (!canCreate)
            return false;
        try {
            d->changes().createKey(root, path);
        } catch (const HiveParseError&) {
            throw;
        } catch (const RegistryError&) {
            // Refused (a bad name, a running wineserver): the key is not opened, so the
            // writes that follow fail with the write error.
            return false;
        }
    }
    // Opening another key closes the one open, committing its writes.
    if (d->open)
        d->commit(!LazyWrite);
    d->open = true;
    d->openRoot = root;
    d->openPath = std::move(path);
    return true;
}

bool TRegistry::KeyExists(const std::string& key)
{
    HKEY root;
    std::u16string path;
    d->resolve(RootKey, key, root, path);
    return d->changes().findKey(root, path) != nullptr;
}

bool TRegistry::DeleteKey(const std::string& key)
{
    HKEY root;
    std::u16string path;
    d->resolve(RootKey, key, root, path);
    bool deleted;
    try {
        deleted = d->changes().deleteKey(root, path);
    } catch (const RegistryError&) {
        setError(key);
    }
    // With no key open there is no CloseKey to commit it: it is committed at once.
    if (!d->open)
        d->commit(!LazyWrite);
    return deleted;
}

void TRegistry::GetKeyNames(std::vector<std::string>& list)
{
    list.clear();
    if (const RegKey* key = d->openKey())
        for (const auto& sub : key->subkeys())
            list.push_back(toUtf8(sub->name()));
}

std::string TRegistry::ReadString(const std::string& name)
{
    const RegKey* key = d->openKey();
    const RegValue* value = key ? key->findValue(toUtf16(name)) : nullptr;
    if (!value)
        return {};
    if (value->type != REG_SZ && value->type != REG_EXPAND_SZ)
        typeError(name);
    return stringOf(value->data);
}

void TRegistry::WriteString(const std::string& name, const std::string& text)
{
    if (!d->open)
        setError(name);
    try {
        d->changes().setValue(d->openRoot, d->openPath, toUtf16(name), REG_SZ, stringData(text));
    } catch (const RegistryError&) {
        setError(name);
    }
}

int32_t TRegistry::ReadInteger(const std::string& name)
{
    const RegKey* key = d->openKey();
    const RegValue* value = key ? key->findValue(toUtf16(name)) : nullptr;
    if (!value || value->data.size() > 4)
        getError(name);
    if (value->type != REG_DWORD)
        typeError(name);
    // Shorter data reads as its bytes with zeros above, not as leftover memory.
    uint32_t number = 0;
    for (size_t i = 0; i < value->data.size(); ++i)
        number |= static_cast<uint32_t>(value->data[i]) << (8 * i);
    return static_cast<int32_t>(number);
}

void TRegistry::WriteInteger(const std::string& name, int32_t value)
{
    if (!d->open)
        setError(name);
    const auto number = static_cast<uint32_t>(value);
    std::vector<uint8_t> data{static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
                              static_cast<uint8_t>(number >> 16), static_cast<uint8_t>(number >> 24)};
    try {
        d->changes().setValue(d->openRoot, d->openPath, toUtf16(name), REG_DWORD, std::move(data));
    } catch (const RegistryError&) {
        setError(name);
    }
}

bool TRegistry::ReadBool(const std::string& name)
{
    return ReadInteger(name) != 0;
}

void TRegistry::WriteBool(const std::string& name, bool value)
{
    WriteInteger(name, value ? 1 : 0);
}

bool TRegistry::ValueExists(const std::string& name)
{
    const RegKey* key = d->openKey();
    return key && key->findValue(toUtf16(name));
}

bool TRegistry::DeleteValue(const std::string& name)
{
    if (!d->open)
        return false;
    try {
        return d->changes().deleteValue(d->openRoot, d->openPath, toUtf16(name));
    } catch (const RegistryError&) {
        setError(name);
    }
}

void TRegistry::RenameValue(const std::string& oldName, const std::string& newName)
{
    const RegKey* key = d->openKey();
    if (!key)
        return;
    const std::u16string oldUnits = toUtf16(oldName);
    const std::u16string newUnits = toUtf16(newName);
    const RegValue* old = key->findValue(oldUnits);
    // "Not empty" is about the stored bytes: an empty string still holds its NUL.
    if (!old || old->data.empty() || key->findValue(newUnits))
        return;
    const uint32_t type = old->type;
    std::vector<uint8_t> data = old->data;
    try {
        // The new value first: if it is refused, the old one must still be there.
        d->changes().setValue(d->openRoot, d->openPath, newUnits, type, std::move(data));
        d->changes().deleteValue(d->openRoot, d->openPath, oldUnits);
    } catch (const RegistryError&) {
        setError(newName);
    }
}

void TRegistry::CloseKey()
{
    d->open = false;
    d->openPath.clear();
    d->commit(!LazyWrite);
}
