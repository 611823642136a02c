#include "HiveFile.h"

#include "Clock.h"
#include "FileIo.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <new>
#include <random>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string systemError(int error)
{
    return std::strerror(error);
}

FileIdentity identityOf(const struct stat& st)
{
    FileIdentity id;
    id.exists = true;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = st.st_size;
    id.mtimeSec = st.st_mtim.tv_sec;
    id.mtimeNsec = st.st_mtim.tv_nsec;
    id.mode = st.st_mode & 07777;
    id.owner = st.st_uid;
    id.group = st.st_gid;
    return id;
}

// Memory for a file's text. A big file read into a std::string is first zeroed and
// then faulted in page by page, which costs more than reading it; an anonymous mapping
// asked for huge pages and populated in one call does not. The text is not mapped
// from the file itself: another program truncating or rewriting the file in place
// would then crash this one or change text it already checked.
std::shared_ptr<char> allocateText(size_t size)
{
    // Whole huge pages: the kernel backs only those with one.
    constexpr size_t hugePage = 2 * 1024 * 1024;
    if (size > hugePage)
        size = (size + hugePage - 1) / hugePage * hugePage;
    void* memory = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        throw std::bad_alloc();
    // Both are hints: without them the pages are faulted in as they are written.
    ::madvise(memory, size, MADV_HUGEPAGE);
    ::madvise(memory, size, MADV_POPULATE_WRITE);
    return std::shared_ptr<char>(static_cast<char*>(memory), [size](char* p) { ::munmap(p, size); });
}

// Reads the whole file; fills identity from the descriptor so that the text and the
// identity belong to the same file even if it is replaced meanwhile.
bool readFile(const std::filesystem::path& file, std::shared_ptr<const char>& text, size_t& size,
              FileIdentity& identity)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return false;
        throw RegistryError("Cannot read '" + file.string() + "': " + systemError(errno));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        throw RegistryError("Cannot read '" + file.string() + "': " + systemError(error));
    }
    identity = identityOf(st);
    // One byte more than the file holds, so that a read that fills the buffer tells
    // that the file grew since fstat.
    size_t capacity = static_cast<size_t>(st.st_size) + 1;
    std::shared_ptr<char> buffer = allocateText(capacity);
    size_t done = 0;
    while (true) {
        if (done == capacity) {
            std::shared_ptr<char> bigger = allocateText(capacity * 2);
            std::memcpy(bigger.get(), buffer.get(), done);
            buffer = std::move(bigger);
            capacity *= 2;
        }
        const ssize_t n = ::read(fd, buffer.get() + done, capacity - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            throw RegistryError("Cannot read '" + file.string() + "': " + systemError(error));
        }
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    text = std::move(buffer);
    size = done;
    return true;
}

// Temporary files are ".<file name>.<16 hex digits>.tmp" next to the file.
bool isTemporaryOf(const std::string& name, const std::string& fileName)
{
    const std::string lead = "." + fileName + ".";
    if (name.size() != lead.size() + 16 + 4 || name.compare(0, lead.size(), lead) != 0 ||
        name.compare(name.size() - 4, 4, ".tmp") != 0)
        return false;
    for (size_t i = lead.size(); i < lead.size() + 16; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

// A writer killed during a commit leaves its temporary file behind. Under the store's
// lock no other commit is under way, so any such file is a leftover.
void removeLeftovers(const std::filesystem::path& file)
{
    std::error_code error;
    const std::string fileName = file.filename().string();
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path(), error))
        if (isTemporaryOf(entry.path().filename().string(), fileName))
            std::filesystem::remove(entry.path(), error);
}

std::string temporaryName(const std::filesystem::path& file)
{
    static std::mt19937_64 random{std::random_device{}() ^ static_cast<uint64_t>(::getpid())};
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(random()));
    return (file.parent_path() / ("." + file.filename().string() + suffix)).string();
}

} // namespace

bool FileIdentity::operator==(const FileIdentity& other) const
{
    if (exists != other.exists)
        return false;
    if (!exists)
        return true;
    return device == other.device && inode == other.inode && size == other.size &&
        mtimeSec == other.mtimeSec && mtimeNsec == other.mtimeNsec && mode == other.mode;
}

FileIdentity FileIdentity::of(const std::filesystem::path& file)
{
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) {
        if (errno == ENOENT)
            return {};
        throw RegistryError("Cannot examine '" + file.string() + "': " + systemError(errno));
    }
    return identityOf(st);
}

HiveFile::HiveFile(std::filesystem::path file, std::string branch)
    : m_path(std::move(file)), m_branch(std::move(branch))
{
}

const Hive& HiveFile::current()
{
    if (m_loaded && FileIdentity::of(m_path) == m_identity) {
        if (m_error)
            throw *m_error;
        return *m_hive;
    }
    drop();
    std::shared_ptr<const char> text;
    size_t size = 0;
    FileIdentity identity;
    if (!readFile(m_path, text, size, identity)) {
        m_hive = Hive{std::string(), std::make_unique<RegKey>(std::u16string(), Clock::now())};
    } else {
        try {
            // The keys point into the text rather than copying it (HiveFormat.h).
            m_hive = parseHive(std::string_view(text.get(), size), text, m_path.string(), Clock::now());
        } catch (const HiveParseError& error) {
            m_error = error;
        }
    }
    m_identity = identity;
    m_loaded = true;
    if (m_error)
        throw *m_error;
    return *m_hive;
}

std::string HiveFile::arch() const
{
    if (!m_hive)
        return {};
    const std::string& header = m_hive->header;
    const size_t at = header.find("#arch=");
    if (at == std::string::npos || (at > 0 && header[at - 1] != '\n'))
        return {};
    const size_t end = header.find('\n', at);
    return header.substr(at + 6, end == std::string::npos ? std::string::npos : end - at - 6);
}

void HiveFile::drop()
{
    m_loaded = false;
    m_identity = {};
    m_hive.reset();
    m_error.reset();
}

void HiveFile::replace(const std::string& text, Hive tree, bool flushFolder)
{
    // A symbolic link stays a link: the file it points to is the one replaced.
    std::filesystem::path target = m_path;
    std::error_code ignored;
    if (std::filesystem::is_symlink(m_path, ignored))
        target = std::filesystem::weakly_canonical(m_path, ignored);
    if (target.empty())
        target = m_path;
    const FileIdentity old = FileIdentity::of(target);
    const std::filesystem::path folder = target.parent_path();

    removeLeftovers(target);
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = temporaryName(target);
        fd = FileIo::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        throw RegistryError("Cannot write '" + m_path.string() + "': cannot create a temporary file in '" +
                            folder.string() + "': " + systemError(errno));

    // Until the rename the old file is untouched; every failure removes the temporary
    // file so that no half-written copy is left behind.
    auto fail = [&](const std::string& what) {
        const int error = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        throw RegistryError("Cannot write '" + m_path.string() + "': " + what + ": " + systemError(error));
    };

    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = FileIo::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail("write failed");
        if (n == 0) {
            errno = ENOSPC;
            fail("write failed");
        }
        done += static_cast<size_t>(n);
    }
    // The mode is set before the flush so that the flushed inode already carries it.
    if (FileIo::fchmod(fd, old.exists ? old.mode : 0600) != 0)
        fail("cannot set the file mode");
    if (old.exists && (old.owner != ::geteuid() || old.group != ::getegid()))
        (void)!::fchown(fd, old.owner, old.group); // keep a user's file theirs when root edits it
    if (FileIo::fsync(fd) != 0)
        fail("flush failed");
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        fail("cannot examine the temporary file");
    if (FileIo::rename(temporary.c_str(), target.c_str()) != 0)
        fail("cannot rename the temporary file over it");
    ::close(fd);

    // From here the new file is in place: a failure now only means the rename may not
    // survive a power loss, which is still reported since the caller was promised it.
    drop();
    if (flushFolder) {
        const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const bool flushed = dir >= 0 && FileIo::fsyncDir(dir) == 0;
        const int error = errno;
        if (dir >= 0)
            ::close(dir);
        if (!flushed)
            throw RegistryError("Cannot write '" + m_path.string() + "': flushing the folder failed: " +
                                systemError(error));
    }
    m_hive = std::move(tree);
    m_identity = identityOf(st);
    m_loaded = true;
}
