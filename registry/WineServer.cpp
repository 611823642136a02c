#include "WineServer.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Debian's folder name as the prefix records it, or "" when there is none or it is not
// a plain name (it is joined to /tmp, so a path in it must not lead elsewhere).
std::string debianServerFolder(const std::filesystem::path& prefix)
{
    std::ifstream in(prefix / "wineserver", std::ios::binary);
    if (!in)
        return {};
    std::string name;
    std::getline(in, name);
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r' || name.back() == '\0'))
        name.pop_back();
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
        name.find('\0') != std::string::npos || name.size() > 255)
        return {};
    return name;
}

bool writeLocked(const std::filesystem::path& lockFile)
{
    // Opened read-only: F_GETLK needs no write access, and nothing is created.
    const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
    const bool held = ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

} // namespace

std::vector<std::filesystem::path> WineServer::lockFiles(const std::filesystem::path& prefix)
{
    struct stat st {};
    if (::stat(prefix.c_str(), &st) != 0)
        return {};
    char server[64];
    std::snprintf(server, sizeof server, "server-%llx-%llx", static_cast<unsigned long long>(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino));
    std::vector<std::filesystem::path> files;
    files.push_back(std::filesystem::path("/tmp") / (".wine-" + std::to_string(::getuid())) / server / "lock");
    const std::string debian = debianServerFolder(prefix);
    if (!debian.empty())
        files.push_back(std::filesystem::path("/tmp") / debian / server / "lock");
    return files;
}

bool WineServer::holds(const std::filesystem::path& prefix)
{
    for (const auto& file : lockFiles(prefix))
        if (writeLocked(file))
            return true;
    return false;
}
