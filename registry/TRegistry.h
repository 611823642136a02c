// The registry accessor every tweak uses: create it, set RootKey, OpenKey, read and
// write, CloseKey. One accessor per access; it is not reused afterwards.
//
// Errors are RegistryError with these texts, %s being the value name:
//   "Invalid data type for '%s'"   a read of the wrong type
//   "Failed to get data for '%s'"  ReadInteger of a missing value or of more than 4 bytes
//   "Failed to set data for '%s'"  a write the store refuses (no open key, store held
//                                  by Wine, damaged file, bad name or data)
#pragma once

#include "RegistryTypes.h"
#include "Store.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TRegistry {
public:
    TRegistry();                         // on Store::current()
    explicit TRegistry(Store& store);
    ~TRegistry();                        // closes the key (committing its changes)
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey = HKEY_CURRENT_USER;
    // false: CloseKey flushes the changes to disk at once. true: they are committed as
    // well, without waiting for the disk.
    bool LazyWrite = true;

    // Key names are relative to the open key when one is open and the name does not
    // begin with '\', otherwise to RootKey.
    bool OpenKey(const std::string& key, bool canCreate);
    bool KeyExists(const std::string& key);
    bool DeleteKey(const std::string& key);
    void GetKeyNames(std::vector<std::string>& list);

    // Value names: "" is the key's default value.
    std::string ReadString(const std::string& name);
    void WriteString(const std::string& name, const std::string& text);
    int32_t ReadInteger(const std::string& name);
    void WriteInteger(const std::string& name, int32_t value);
    bool ReadBool(const std::string& name);
    void WriteBool(const std::string& name, bool value);
    bool ValueExists(const std::string& name);
    bool DeleteValue(const std::string& name);
    void RenameValue(const std::string& oldName, const std::string& newName);

    void CloseKey();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
