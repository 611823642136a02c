#include "FileIo.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace {

struct Armed {
    bool active = false;
    FileIo::Op op = FileIo::Op::Open;
    int remaining = 0;
    int error = 0;
    bool fired = false;
};

Armed armed;

// True when this call of op is the one to fail; errno is then set.
bool injected(FileIo::Op op)
{
    if (!armed.active || armed.op != op)
        return false;
    if (--armed.remaining > 0)
        return false;
    armed.active = false;
    armed.fired = true;
    errno = armed.error;
    return true;
}

} // namespace

int FileIo::open(const char* path, int flags, mode_t mode)
{
    if (injected(Op::Open))
        return -1;
    int fd;
    do
        fd = ::open(path, flags, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

ssize_t FileIo::write(int fd, const void* data, size_t size)
{
    if (injected(Op::Write))
        return -1;
    return ::write(fd, data, size);
}

int FileIo::fsync(int fd)
{
    if (injected(Op::Fsync))
        return -1;
    return ::fsync(fd);
}

int FileIo::fchmod(int fd, mode_t mode)
{
    if (injected(Op::Fchmod))
        return -1;
    return ::fchmod(fd, mode);
}

int FileIo::rename(const char* from, const char* to)
{
    if (injected(Op::Rename))
        return -1;
    return ::rename(from, to);
}

int FileIo::fsyncDir(int fd)
{
    if (injected(Op::FsyncDir))
        return -1;
    return ::fsync(fd);
}

void FileIo::failNth(Op op, int nth, int error)
{
    armed = Armed{true, op, nth, error, false};
}

void FileIo::reset()
{
    armed = Armed{};
}

bool FileIo::fired()
{
    return armed.fired;
}
