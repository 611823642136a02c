// The system calls of a commit behind one seam, so that tests can make the Nth call of
// one kind fail (a full disk, an I/O error) and check that nothing is lost. Running as
// root makes permission-based failures useless as tests; counted failures are not.
// The counters are process-wide and not thread-safe: tests only.
#pragma once

#include <cstddef>
#include <sys/types.h>

class FileIo {
public:
    enum class Op { Open, Write, Fsync, Fchmod, Rename, FsyncDir };

    // Each returns what the system call returns, with errno set on failure.
    static int open(const char* path, int flags, mode_t mode);
    static ssize_t write(int fd, const void* data, size_t size);
    static int fsync(int fd);
    static int fchmod(int fd, mode_t mode);
    static int rename(const char* from, const char* to);
    static int fsyncDir(int fd);

    // Makes the nth call (1 = the next one) of op fail with error, once. Calls of other
    // kinds are not counted for it.
    static void failNth(Op op, int nth, int error);
    // Disarms every failure.
    static void reset();
    // Whether an armed failure has fired since it was armed.
    static bool fired();
};
