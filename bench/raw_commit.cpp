// The peer of a store commit: write the same bytes to a new file in the same folder,
// flush it, rename it over the target and flush the folder. A commit cannot do less.
// Usage: raw_commit SOURCE TARGET
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

static int fail(const char* what)
{
    std::fprintf(stderr, "%s: %s\n", what, std::strerror(errno));
    return 1;
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: raw_commit SOURCE TARGET\n");
        return 2;
    }
    // Reading the source stands for the store's own re-read of the file under the lock.
    std::FILE* in = std::fopen(argv[1], "rb");
    if (!in)
        return fail(argv[1]);
    std::vector<char> bytes;
    char buffer[1 << 16];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(in);

    const std::string target = argv[2];
    const std::string temp = target + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return fail("open");
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (w < 0)
            return fail("write");
        done += static_cast<size_t>(w);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0)
        return fail("fsync");
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return fail("rename");
    const std::string folder = target.find('/') == std::string::npos
                                   ? std::string(".")
                                   : target.substr(0, target.rfind('/'));
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir < 0 || ::fsync(dir) != 0)
        return fail("fsync folder");
    ::close(dir);
    return 0;
}
