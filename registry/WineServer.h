// Telling whether a wineserver runs for a prefix. A running server keeps the registry in
// memory and writes it back later, which would silently undo our edits, so the store
// refuses writes while one runs.
//
// How Wine marks it: the server works in a folder named server-<dev>-<inode> after the
// prefix directory's device and inode numbers (lower-case hex), and holds a POSIX write
// lock on the file "lock" in it for as long as it runs. Upstream Wine puts that folder
// under /tmp/.wine-<uid>/; Debian's build puts it under a private folder in /tmp whose
// name it writes into the prefix's file "wineserver". The lock file stays behind when the
// server ends, so only the lock tells.
#pragma once

#include <filesystem>
#include <vector>

class WineServer {
public:
    // Whether a running wineserver holds the prefix directory.
    static bool holds(const std::filesystem::path& prefix);

    // Where a server for the prefix would keep its lock file (whether or not it exists).
    static std::vector<std::filesystem::path> lockFiles(const std::filesystem::path& prefix);
};
