// One hive file on disk (system.reg, user.reg, userdef.reg): its cached tree, re-read
// when the file changed, and its atomic replacement.
#pragma once

#include "HiveFormat.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// What tells one state of a file from another: a replaced file has a new inode, a file
// rewritten in place a new size or modification time.
struct FileIdentity {
    bool exists = false;
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t mtimeSec = 0;
    int64_t mtimeNsec = 0;
    uint32_t mode = 0;   // permission bits, kept on replacement
    uint32_t owner = 0;
    uint32_t group = 0;

    bool operator==(const FileIdentity& other) const;

    // Throws RegistryError when the file cannot be examined (other than not existing).
    static FileIdentity of(const std::filesystem::path& file);
};

class HiveFile {
public:
    // branch: the registry branch the file holds, e.g. "REGISTRY\\Machine" (for the
    // header of a new file).
    HiveFile(std::filesystem::path file, std::string branch);

    const std::filesystem::path& path() const { return m_path; }
    const std::string& branch() const { return m_branch; }

    // The tree as the file holds it now, re-read when the file changed since it was last
    // read. A missing file is an empty hive with an empty header. Throws the file's
    // HiveParseError as long as the damaged file stays as it is.
    const Hive& current();
    // The identity of the file that current() last returned.
    const FileIdentity& identity() const { return m_identity; }

    // "win32" or "win64" when the file, as last read, records its architecture; else "".
    std::string arch() const;

    // Forgets the cached state; the next access reads the file again.
    void drop();

    // Replaces the file with text, which is tree serialized (invariants 2 and 3); called
    // under the store's lock, it also removes temporary files that killed writers left:
    // temporary file created private in the same folder, written, given the old file's
    // mode, flushed, renamed over the file; the folder is flushed when flushFolder. The
    // cached tree becomes tree. Throws RegistryError naming the file and the system
    // error; the temporary file is then gone and the old file untouched.
    void replace(const std::string& text, Hive tree, bool flushFolder);

private:
    std::filesystem::path m_path;
    std::string m_branch;
    bool m_loaded = false;
    FileIdentity m_identity;
    std::optional<Hive> m_hive;
    std::optional<HiveParseError> m_error;
};
