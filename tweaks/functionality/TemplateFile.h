// The New menu's template files: a file in a Windows folder of the store's drives (C:\ is
// the prefix's drive_c, folder names matched without regard to case, as Wine does),
// created or overwritten as a whole. The new content is written to a temporary file beside
// it, flushed, and renamed over the old file, so that a crash leaves the old or the new
// file, never half of one.
#pragma once

#include <QByteArray>
#include <QString>

#include <filesystem>

class TemplateFile {
public:
    // Writes content to windowsPath ("C:\WINDOWS\ShellNew\txt.txt") in the prefix's drives.
    // A path that starts with a single '\' is in the root of the current drive, C:. Throws
    // std::runtime_error "Cannot create file <path>" (the path with its drive) when the
    // folder does not exist, the drive is unknown or the file cannot be written.
    static void write(const std::filesystem::path& prefix, const QString& windowsPath,
                      const QByteArray& content);
};
