// A registry store: a Wine prefix directory whose system.reg holds HKEY_LOCAL_MACHINE
// and user.reg HKEY_CURRENT_USER; HKEY_CLASSES_ROOT is HKEY_LOCAL_MACHINE\Software\Classes.
//
// Invariants (tests name the number they check):
//  1. A hive file that did not parse is never written over; every access to it fails
//     with the same "file:line: message" error.
//  2. When Edit::commit returns, the changes are on disk: the new file was written to a
//     temporary file in the same folder, flushed, given the old file's mode (0600 for a
//     new file), renamed over the old one, and the folder was flushed.
//  3. The old file is never removed or truncated before the rename: a crash at any point
//     leaves either the old or the new file, both complete.
//  4. A commit happens under an exclusive lock on the prefix directory and applies the
//     edit to the file as it is on disk at that moment, so concurrent writers (two
//     korrelins, korrelin and kreg) never lose each other's changes.
//  5. Reads see the latest committed state: a hive is re-read when its file changed.
//  6. While a wineserver holds the prefix, every write is refused; reads still work.
//  7. After a failed commit the in-memory state is dropped and re-read from disk.
//  8. Missing files and a missing prefix directory are an empty store; files are created
//     (with Wine's header) only by the first write into them.
#pragma once

#include "RegKey.h"
#include "RegistryError.h"
#include "RegistryTypes.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Store {
public:
    explicit Store(std::filesystem::path prefix);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    const std::filesystem::path& prefix() const;

    // --prefix DIR when given, else $WINEPREFIX, else $XDG_DATA_HOME/korrelin/prefix
    // (~/.local/share/korrelin/prefix).
    static std::filesystem::path choosePrefix(const std::string& prefixOption);
    static std::filesystem::path defaultPrefix();

    // The store used by accessors that are not given one (the program's store).
    static void setCurrent(std::shared_ptr<Store> store);
    static Store& current();

    // The committed state of a key, or nullptr when it does not exist. The pointer is
    // valid until the next call on this store. Throws RegistryError when the hive file
    // does not parse. path is relative to the root, components separated by '\'.
    const RegKey* findKey(HKEY root, std::u16string_view path);

    // Loads both hive files; throws the parse error of a damaged one.
    void check();

    // Whether a running wineserver holds this prefix (Wine would overwrite the files).
    bool heldByWine() const;

    // A group of changes that is committed as one (one registry accessor, one kreg
    // command). Reads through the edit see its own pending changes. Every change throws
    // RegistryError when the store refuses writes (damaged file, wineserver) or the name
    // or data is not acceptable (empty path segment, key name over 255 or value name
    // over 16383 characters, NUL in a name, data over 1 MiB).
    class Edit {
    public:
        explicit Edit(Store& store);
        ~Edit();
        Edit(const Edit&) = delete;
        Edit& operator=(const Edit&) = delete;

        const RegKey* findKey(HKEY root, std::u16string_view path);

        // Creates the key with every missing level.
        void createKey(HKEY root, std::u16string_view path);
        // The key must exist (create it first).
        void setValue(HKEY root, std::u16string_view path, std::u16string_view name,
                      uint32_t type, std::vector<uint8_t> data);
        bool deleteValue(HKEY root, std::u16string_view path, std::u16string_view name);
        // Deletes the key with everything below it; a root cannot be deleted.
        bool deleteKey(HKEY root, std::u16string_view path);

        bool empty() const;
        // Writes the changed hive files (invariants 2 to 4). Throws RegistryError with a
        // clear text when the files cannot be written; nothing is then half-written.
        void commit();
        // The same; flushFolder false skips flushing the folder after the rename, so the
        // new file is complete on disk but the rename may not survive a power loss.
        void commit(bool flushFolder);

    private:
        struct Impl;
        std::unique_ptr<Impl> d;
    };

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
