// Windows paths as programs in the store's prefix see them, and the host files behind
// them. Drive letters are the links prefix/dosdevices/<letter>: as Wine makes them; Z:
// is the rest of the file system when the prefix has no z: link of its own. Folder and
// file names are matched without regard to case, as Wine does, so "C:\WINDOWS" finds
// drive_c/windows.
#pragma once

#include <QString>

#include <filesystem>
#include <optional>
#include <vector>

class WindowsPath {
public:
    struct Drive {
        QChar letter;                 // upper case
        std::filesystem::path target; // the folder the drive stands for, symlinks resolved
    };

    // The prefix's drives in letter order; links whose target is missing are left out.
    // Z: is always present (the file system root unless the prefix links it elsewhere).
    static std::vector<Drive> drives(const std::filesystem::path& prefix);

    // The host file for "C:\dir\name" (or "C:/dir/name"). Existing folders and files are
    // found without regard to case (an exact match first); names that do not exist are
    // kept as written. ".." never leaves the drive. std::nullopt for a path that is not
    // absolute with a drive letter, or a drive the prefix does not have.
    static std::optional<std::filesystem::path> toHost(const std::filesystem::path& prefix,
                                                       const QString& windowsPath);

    // The Windows path of a host file: the drive whose folder holds it most closely
    // (C: for files under drive_c), else Z: with the full path.
    static QString toWindows(const std::filesystem::path& prefix,
                             const std::filesystem::path& hostPath);

    // Splits "C:\a\b" into the drive letter (upper case) and its names, resolving "." and
    // ".." within the drive; false when it is not an absolute drive path.
    static bool split(const QString& windowsPath, QChar& letter, std::vector<QString>& names);
};
