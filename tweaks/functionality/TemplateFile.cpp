#include "TemplateFile.h"

#include "FileIo.h"
#include "WindowsPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

namespace {

// Writes all of data; false on any failure.
bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t written = FileIo::write(fd, data, size);
        if (written < 0)
            return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// Temporary file, flush, mode, rename, folder flush; false (with nothing left behind but
// the old file) on any failure.
bool replaceFile(const std::filesystem::path& target, const QByteArray& content)
{
    const std::filesystem::path folder = target.parent_path();
    const std::filesystem::path temporary =
        folder / ("." + target.filename().string() + ".korrelin-" + std::to_string(::getpid()));

    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode))
        return false;

    const int fd = FileIo::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool done = writeAll(fd, content.constData(), static_cast<size_t>(content.size()))
                && FileIo::fsync(fd) == 0
                // An overwritten file keeps its mode; a new one gets the user's usual mode.
                && (!existed || FileIo::fchmod(fd, old.st_mode & 07777) == 0);
    done = ::close(fd) == 0 && done;
    done = done && FileIo::rename(temporary.c_str(), target.c_str()) == 0;
    if (!done) {
        ::unlink(temporary.c_str());
        return false;
    }
    // The rename itself is durable only once the folder is flushed.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool flushed = dir >= 0 && FileIo::fsyncDir(dir) == 0;
    if (dir >= 0)
        ::close(dir);
    return flushed;
}

} // namespace

void TemplateFile::write(const std::filesystem::path& prefix, const QString& windowsPath,
                         const QByteArray& content)
{
    QString fullPath = windowsPath;
    if (fullPath.startsWith(QLatin1Char('\\')) && !fullPath.startsWith(QLatin1String("\\\\")))
        fullPath.prepend(QLatin1String("C:"));
    const std::runtime_error failure("Cannot create file " + fullPath.toStdString());

    const std::optional<std::filesystem::path> host = WindowsPath::toHost(prefix, fullPath);
    if (!host || host->filename().empty())
        throw failure;
    std::error_code error;
    if (!std::filesystem::is_directory(host->parent_path(), error))
        throw failure;
    if (!replaceFile(*host, content))
        throw failure;
}
