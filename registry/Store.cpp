#include "Store.h"

#include "Clock.h"
#include "HiveFile.h"
#include "HiveFormat.h"
#include "KeyPath.h"
#include "Unicode.h"
#include "WineName.h"
#include "WineServer.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::u16string userSid = u"S-1-5-21-0-0-0-1000";

std::shared_ptr<Store>& currentStore()
{
    static std::shared_ptr<Store> store;
    return store;
}

// Where a root key lives: the file, and the names leading from the file's root to the
// key asked for. The first rootDepth names lead to the caller's root key itself (for
// HKEY_CLASSES_ROOT, Software\Classes).
struct Target {
    HiveFile* file = nullptr; // nullptr: HKEY_USERS itself, which no file holds
    std::vector<std::u16string> names;
    size_t rootDepth = 0;
};

template <typename Key>
Key* descend(Key* key, const std::vector<std::u16string>& names, size_t count)
{
    for (size_t i = 0; key && i < count; ++i)
        key = key->findSubkey(names[i]);
    return key;
}

// One change as the caller asked for it. Changes are kept so that they can be made again
// on the file as it is at commit time, when another process changed it meanwhile.
struct Change {
    enum class Kind { CreateKey, SetValue, DeleteValue, DeleteKey };
    Kind kind = Kind::CreateKey;
    std::vector<std::u16string> names;
    std::u16string value;
    uint32_t type = 0;
    std::vector<uint8_t> data;
    uint64_t time = 0;
};

// Creates the missing levels with Wine's time rules: a new key gets the change's time,
// and so does the key that gained a sub-key.
RegKey& createPath(RegKey& root, const std::vector<std::u16string>& names, uint64_t time, bool& changed)
{
    RegKey* key = &root;
    for (const auto& name : names) {
        bool created = false;
        RegKey& sub = key->createSubkey(name, time, &created);
        if (created) {
            key->setTime(time);
            changed = true;
        }
        key = &sub;
    }
    return *key;
}

// Applies a change to a tree; returns whether the tree changed. Setting a value to the
// type and data it already has changes nothing, as in Wine, so that its section (and
// time) stay as they are.
bool apply(RegKey& root, const Change& change)
{
    bool changed = false;
    switch (change.kind) {
    case Change::Kind::CreateKey:
        createPath(root, change.names, change.time, changed);
        break;
    case Change::Kind::SetValue: {
        // The key exists when the change is first made; when the commit finds that
        // another process deleted it meanwhile, the value brings it back rather than
        // being lost.
        RegKey& key = createPath(root, change.names, change.time, changed);
        if (key.setValue(change.value, change.type, change.data)) {
            key.setTime(change.time);
            changed = true;
        }
        break;
    }
    case Change::Kind::DeleteValue: {
        RegKey* key = descend(&root, change.names, change.names.size());
        if (key && key->deleteValue(change.value)) {
            key->setTime(change.time);
            changed = true;
        }
        break;
    }
    case Change::Kind::DeleteKey: {
        RegKey* parent = descend(&root, change.names, change.names.size() - 1);
        if (parent && parent->deleteSubkey(change.names.back())) {
            parent->setTime(change.time);
            changed = true;
        }
        break;
    }
    }
    return changed;
}

Hive copyOf(const Hive& hive)
{
    return Hive{hive.header, hive.root->clone()};
}

std::string systemError(int error)
{
    return std::strerror(error);
}

// The exclusive lock of a commit (invariant 4): flock on the prefix directory, which
// every writer opens, so that the lock needs no file of its own in the prefix.
class PrefixLock {
public:
    explicit PrefixLock(const std::filesystem::path& prefix)
    {
        m_fd = ::open(prefix.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_fd < 0)
            throw RegistryError("Cannot open '" + prefix.string() + "': " + systemError(errno));
        while (::flock(m_fd, LOCK_EX) != 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(m_fd);
            throw RegistryError("Cannot lock '" + prefix.string() + "': " + systemError(error));
        }
    }
    ~PrefixLock() { ::close(m_fd); }
    PrefixLock(const PrefixLock&) = delete;
    PrefixLock& operator=(const PrefixLock&) = delete;

private:
    int m_fd = -1;
};

// Creates the prefix directory, private to the user, with any missing parents.
void makePrefix(const std::filesystem::path& prefix)
{
    struct stat st {};
    if (::stat(prefix.c_str(), &st) == 0)
        return;
    std::error_code error;
    if (prefix.has_parent_path())
        std::filesystem::create_directories(prefix.parent_path(), error);
    if (error)
        throw RegistryError("Cannot create the folder '" + prefix.parent_path().string() + "': " +
                            error.message());
    if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST)
        throw RegistryError("Cannot create the folder '" + prefix.string() + "': " + systemError(errno));
}

} // namespace

struct Store::Impl {
    explicit Impl(std::filesystem::path dir)
        : prefix(std::move(dir)),
          system(prefix / "system.reg", "REGISTRY\\Machine"),
          user(prefix / "user.reg", "REGISTRY\\User\\S-1-5-21-0-0-0-1000"),
          userDefault(prefix / "userdef.reg", "REGISTRY\\User\\.Default"),
          usersRoot(std::u16string(), 0),
          emptyRoot(std::u16string(), 0)
    {
        usersRoot.createSubkey(u".Default", 0);
        usersRoot.createSubkey(userSid, 0);
    }

    std::filesystem::path prefix;
    HiveFile system;
    HiveFile user;
    HiveFile userDefault;
    RegKey usersRoot; // HKEY_USERS: the two users Wine shows
    RegKey emptyRoot; // a root key the file does not hold yet (HKEY_CLASSES_ROOT)

    // false when no key can have that path (reads find nothing); for writes a bad path
    // throws instead.
    bool resolve(HKEY root, std::u16string_view path, bool forWrite, Target& target)
    {
        std::vector<std::u16string> names;
        if (forWrite)
            names = KeyPath::split(path);
        else if (!KeyPath::trySplit(path, names))
            return false;
        std::vector<std::u16string> lead;
        switch (root) {
        case HKEY_LOCAL_MACHINE:
            target.file = &system;
            break;
        case HKEY_CURRENT_USER:
            target.file = &user;
            break;
        case HKEY_CLASSES_ROOT:
            target.file = &system;
            lead = {u"Software", u"Classes"};
            break;
        case HKEY_CURRENT_CONFIG:
            target.file = &system;
            lead = {u"System", u"CurrentControlSet", u"Hardware Profiles", u"Current"};
            break;
        case HKEY_USERS:
            if (names.empty()) {
                target.file = nullptr;
                target.names.clear();
                return true;
            }
            if (wineEqual(names.front(), u".Default")) {
                target.file = &userDefault;
            } else if (wineEqual(names.front(), userSid)) {
                target.file = &user;
            } else {
                if (forWrite)
                    throw RegistryError("Invalid key path: HKEY_USERS holds only .Default and " +
                                        toUtf8(userSid));
                return false;
            }
            names.erase(names.begin());
            break;
        default:
            throw RegistryError("Unknown root key " + std::to_string(static_cast<uint32_t>(root)));
        }
        target.rootDepth = lead.size();
        target.names = std::move(lead);
        target.names.insert(target.names.end(), names.begin(), names.end());
        return true;
    }

    const RegKey* find(const RegKey* hiveRoot, const Target& target)
    {
        const RegKey* key = descend(hiveRoot, target.names, target.names.size());
        if (!key && target.names.size() == target.rootDepth)
            return &emptyRoot;
        return key;
    }

    void refuseIfHeld()
    {
        if (WineServer::holds(prefix))
            throw RegistryError("Cannot change the registry in '" + prefix.string() +
                                "': a running wineserver holds it and would overwrite the change "
                                "(end Wine first, for example with wineserver -k)");
    }

    // The architecture a new file records: that of the other files, else 64-bit.
    std::string archFor(const HiveFile& file)
    {
        for (HiveFile* other : {&system, &user, &userDefault}) {
            if (other == &file)
                continue;
            try {
                other->current();
            } catch (const RegistryError&) {
                continue;
            }
            const std::string arch = other->arch();
            if (!arch.empty())
                return arch;
        }
        return "win64";
    }

    void dropAll()
    {
        system.drop();
        user.drop();
        userDefault.drop();
    }
};

Store::Store(std::filesystem::path prefix) : d(std::make_unique<Impl>(std::move(prefix))) {}

Store::~Store() = default;

const std::filesystem::path& Store::prefix() const
{
    return d->prefix;
}

std::filesystem::path Store::choosePrefix(const std::string& prefixOption)
{
    if (!prefixOption.empty())
        return prefixOption;
    if (const char* wine = std::getenv("WINEPREFIX"); wine && *wine)
        return wine;
    return defaultPrefix();
}

std::filesystem::path Store::defaultPrefix()
{
    // A relative XDG_DATA_HOME is invalid by the freedesktop base-directory rules: ignore it.
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        return std::filesystem::path(data) / "korrelin" / "prefix";
    std::filesystem::path home;
    if (const char* env = std::getenv("HOME"); env && *env)
        home = env;
    else if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        home = entry->pw_dir;
    return home / ".local" / "share" / "korrelin" / "prefix";
}

void Store::setCurrent(std::shared_ptr<Store> store)
{
    currentStore() = std::move(store);
}

Store& Store::current()
{
    auto& store = currentStore();
    if (!store)
        store = std::make_shared<Store>(choosePrefix(std::string()));
    return *store;
}

const RegKey* Store::findKey(HKEY root, std::u16string_view path)
{
    Target target;
    if (!d->resolve(root, path, false, target))
        return nullptr;
    if (!target.file)
        return &d->usersRoot;
    return d->find(target.file->current().root.get(), target);
}

void Store::check()
{
    d->system.current();
    d->user.current();
}

bool Store::heldByWine() const
{
    return WineServer::holds(d->prefix);
}

// The changes to one file: a working copy of its tree with the changes made (what reads
// through the edit see), the identity of the file the copy was taken from, and the
// changes themselves for replaying them on a newer file.
struct Work {
    HiveFile* file = nullptr;
    FileIdentity basis;
    Hive tree;
    std::vector<Change> changes;
    bool changed = false;
};

struct Store::Edit::Impl {
    explicit Impl(Store& s) : store(s) {}

    Store& store;
    std::vector<std::unique_ptr<Work>> works;

    Work* find(const HiveFile* file)
    {
        for (auto& work : works)
            if (work->file == file)
                return work.get();
        return nullptr;
    }

    Work& work(HiveFile* file)
    {
        if (Work* existing = find(file))
            return *existing;
        const Hive& hive = file->current();
        auto work = std::make_unique<Work>();
        work->file = file;
        work->basis = file->identity();
        work->tree = copyOf(hive);
        works.push_back(std::move(work));
        return *works.back();
    }

    const RegKey* findKey(const Target& target)
    {
        if (!target.file)
            return &store.d->usersRoot;
        if (Work* work = find(target.file))
            return store.d->find(work->tree.root.get(), target);
        return store.d->find(target.file->current().root.get(), target);
    }

    void record(const Target& target, Change change)
    {
        store.d->refuseIfHeld();
        Work& w = work(target.file);
        change.names = target.names;
        change.time = Clock::now();
        if (apply(*w.tree.root, change))
            w.changed = true;
        w.changes.push_back(std::move(change));
    }
};

Store::Edit::Edit(Store& store) : d(std::make_unique<Impl>(store)) {}

Store::Edit::~Edit() = default;

const RegKey* Store::Edit::findKey(HKEY root, std::u16string_view path)
{
    Target target;
    if (!d->store.d->resolve(root, path, false, target))
        return nullptr;
    return d->findKey(target);
}

void Store::Edit::createKey(HKEY root, std::u16string_view path)
{
    Target target;
    d->store.d->resolve(root, path, true, target);
    if (!target.file || target.names.empty())
        return; // HKEY_USERS and the root of a file always exist
    Change change;
    change.kind = Change::Kind::CreateKey;
    d->record(target, std::move(change));
}

void Store::Edit::setValue(HKEY root, std::u16string_view path, std::u16string_view name, uint32_t type,
                           std::vector<uint8_t> data)
{
    KeyPath::checkValueName(name);
    KeyPath::checkData(data.size());
    Target target;
    d->store.d->resolve(root, path, true, target);
    if (!target.file)
        throw RegistryError("Cannot set a value in HKEY_USERS itself");
    Work& work = d->work(target.file);
    if (!descend(work.tree.root.get(), target.names, target.names.size()))
        throw RegistryError("Cannot set the value '" + toUtf8(name) + "': the key '" + toUtf8(path) +
                            "' does not exist");
    Change change;
    change.kind = Change::Kind::SetValue;
    change.value = name;
    change.type = type;
    change.data = std::move(data);
    d->record(target, std::move(change));
}

bool Store::Edit::deleteValue(HKEY root, std::u16string_view path, std::u16string_view name)
{
    Target target;
    if (!d->store.d->resolve(root, path, false, target) || !target.file)
        return false;
    const RegKey* key = d->findKey(target);
    if (!key || !key->findValue(name))
        return false;
    Change change;
    change.kind = Change::Kind::DeleteValue;
    change.value = name;
    d->record(target, std::move(change));
    return true;
}

bool Store::Edit::deleteKey(HKEY root, std::u16string_view path)
{
    Target target;
    if (!d->store.d->resolve(root, path, false, target) || !target.file ||
        target.names.size() <= target.rootDepth)
        return false; // a root key cannot be deleted
    if (!d->findKey(target))
        return false;
    Change change;
    change.kind = Change::Kind::DeleteKey;
    d->record(target, std::move(change));
    return true;
}

bool Store::Edit::empty() const
{
    for (const auto& work : d->works)
        if (!work->changes.empty())
            return false;
    return true;
}

void Store::Edit::commit()
{
    commit(true);
}

void Store::Edit::commit(bool flushFolder)
{
    // The changes are consumed whether the commit succeeds or not: after a failure the
    // caller reads the store again rather than retrying a half-known state.
    std::vector<std::unique_ptr<Work>> works = std::move(d->works);
    d->works.clear();
    if (std::all_of(works.begin(), works.end(), [](const auto& w) { return w->changes.empty(); }))
        return;

    Store::Impl& store = *d->store.d;
    try {
        store.refuseIfHeld();
        makePrefix(store.prefix);
        PrefixLock lock(store.prefix);
        // The server may have started while we waited for the lock.
        store.refuseIfHeld();
        for (auto& work : works) {
            if (work->changes.empty())
                continue;
            HiveFile& file = *work->file;
            Hive* tree = &work->tree;
            bool changed = work->changed;
            // Invariant 4: the changes go into the file as it is now. When another writer
            // replaced it since the working copy was taken, they are made again on it.
            std::optional<Hive> fresh;
            const FileIdentity now = FileIdentity::of(file.path());
            if (!(now == work->basis)) {
                fresh = copyOf(file.current());
                changed = false;
                for (const Change& change : work->changes)
                    changed = apply(*fresh->root, change) || changed;
                tree = &*fresh;
            }
            if (!changed)
                continue;
            if (!now.exists)
                tree->header = newHiveHeader(file.branch(), store.archFor(file));
            const std::string text = serializeHive(*tree);
            file.replace(text, std::move(*tree), flushFolder);
        }
    } catch (...) {
        // Invariant 7: whatever we hold may no longer match the disk.
        store.dropAll();
        throw;
    }
}
