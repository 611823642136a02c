#include "DefaultStore.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The folders the seeded values name (Shell Folders, the setup path, the program
// folder), relative to drive_c, spelt as the values spell them.
const char* const SeededFolders[] = {
    "WINDOWS/Desktop",
    "WINDOWS/Favorites",
    "WINDOWS/Fonts",
    "WINDOWS/NetHood",
    "WINDOWS/Recent",
    "WINDOWS/SendTo",
    "WINDOWS/Start Menu/Programs/StartUp",
    "WINDOWS/ShellNew",
    "WINDOWS/MEDIA",
    "WINDOWS/OPTIONS/CABS",
    "My Documents",
    "Program Files",
};

[[noreturn]] void fail(const std::string& what, const fs::path& path, int error)
{
    throw std::runtime_error(what + " " + path.string() + ": " + std::strerror(error));
}

std::string seedText(const char* resource)
{
    QFile file(QString::fromLatin1(resource));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(std::string("Missing seed resource ") + resource);
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// New hive files are private from their creation (the settings key will hold the
// password) and complete before they get their name: a crash leaves no half file that
// the store would then refuse to load or write.
void writeHive(const fs::path& target, const std::string& text)
{
    if (fs::exists(target))
        return;
    const fs::path temporary = target.string() + ".seed.tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        fail("Cannot create", temporary, errno);
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            ::unlink(temporary.c_str());
            fail("Cannot write", temporary, error);
        }
        written += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        fail("Cannot write", temporary, error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        fail("Cannot create", target, error);
    }
}

void linkDrive(const fs::path& link, const fs::path& target)
{
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(link, error)))
        return;
    fs::create_directory_symlink(target, link, error);
    if (error)
        fail("Cannot create", link, error.value());
}

void makeFolders(const fs::path& folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        fail("Cannot create", folder, error.value());
}

} // namespace

void seedDefaultStore(const fs::path& prefix)
{
    Q_INIT_RESOURCE(korrelin);
    makeFolders(prefix);
    writeHive(prefix / "system.reg", seedText(":/seed/system.reg"));
    writeHive(prefix / "user.reg", seedText(":/seed/user.reg"));

    makeFolders(prefix / "dosdevices");
    makeFolders(prefix / "drive_c");
    linkDrive(prefix / "dosdevices" / "c:", "../drive_c");
    linkDrive(prefix / "dosdevices" / "z:", "/");
    for (const char* folder : SeededFolders)
        makeFolders(prefix / "drive_c" / folder);

    // The new names must survive a crash as well as their contents.
    const int directory = ::open(prefix.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
}
