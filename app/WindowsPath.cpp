#include "WindowsPath.h"

#include <QStringList>

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path fromQString(const QString& text)
{
    return fs::path(text.toStdString());
}

QString toQString(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

// The resolved folder of a drive link; std::nullopt for a dangling link.
std::optional<fs::path> resolvedTarget(const fs::path& link)
{
    std::error_code error;
    fs::path target = fs::canonical(link, error);
    if (error || !fs::is_directory(target, error))
        return std::nullopt;
    return target;
}

// The entry of folder whose name equals name without regard to case; the exact spelling
// wins, then the first in name order, so that the choice does not depend on readdir.
std::optional<fs::path> findEntry(const fs::path& folder, const QString& name)
{
    std::error_code error;
    const fs::path exact = folder / fromQString(name);
    if (fs::symlink_status(exact, error).type() != fs::file_type::not_found && !error)
        return exact;
    std::optional<QString> best;
    fs::directory_iterator it(folder, error);
    if (error)
        return std::nullopt;
    for (const fs::directory_entry& entry : it) {
        const QString candidate = toQString(entry.path().filename());
        if (candidate.compare(name, Qt::CaseInsensitive) == 0 && (!best || candidate < *best))
            best = candidate;
    }
    if (!best)
        return std::nullopt;
    return folder / fromQString(*best);
}

// Whether path lies in folder (both canonical), and the names below it.
bool relativeTo(const fs::path& path, const fs::path& folder, std::vector<QString>& names)
{
    auto pathIt = path.begin();
    for (auto folderIt = folder.begin(); folderIt != folder.end(); ++folderIt) {
        // A trailing separator of the folder shows up as an empty last element.
        if (folderIt->empty())
            continue;
        if (pathIt == path.end() || *pathIt != *folderIt)
            return false;
        ++pathIt;
    }
    names.clear();
    for (; pathIt != path.end(); ++pathIt)
        if (!pathIt->empty())
            names.push_back(toQString(*pathIt));
    return true;
}

} // namespace

std::vector<WindowsPath::Drive> WindowsPath::drives(const fs::path& prefix)
{
    std::vector<Drive> result;
    std::error_code error;
    fs::directory_iterator it(prefix / "dosdevices", error);
    if (!error) {
        for (const fs::directory_entry& entry : it) {
            const QString name = toQString(entry.path().filename());
            // "c:" is a drive; "c::" and "com1" are devices.
            if (name.size() != 2 || name[1] != u':' || !name[0].isLetter() || name[0].unicode() > 0x7f)
                continue;
            if (auto target = resolvedTarget(entry.path()))
                result.push_back({name[0].toUpper(), *target});
        }
    }
    const bool hasZ = std::any_of(result.begin(), result.end(),
                                  [](const Drive& drive) { return drive.letter == u'Z'; });
    if (!hasZ)
        result.push_back({QChar(u'Z'), fs::path("/")});
    std::sort(result.begin(), result.end(),
              [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
    return result;
}

bool WindowsPath::split(const QString& windowsPath, QChar& letter, std::vector<QString>& names)
{
    if (windowsPath.size() < 2 || windowsPath[1] != u':' || !windowsPath[0].isLetter() ||
        windowsPath[0].unicode() > 0x7f)
        return false;
    QString rest = windowsPath.mid(2);
    rest.replace(u'/', u'\\');
    // "C:" alone is the drive's root; "C:name" (relative to the drive's current folder)
    // has no meaning here.
    if (!rest.isEmpty() && !rest.startsWith(u'\\'))
        return false;
    letter = windowsPath[0].toUpper();
    names.clear();
    for (const QString& part : rest.split(u'\\', Qt::SkipEmptyParts)) {
        if (part == u".")
            continue;
        if (part == u"..") {
            // As on Windows, ".." at the root stays at the root: no way out of the drive.
            if (!names.empty())
                names.pop_back();
            continue;
        }
        names.push_back(part);
    }
    return true;
}

std::optional<fs::path> WindowsPath::toHost(const fs::path& prefix, const QString& windowsPath)
{
    QChar letter;
    std::vector<QString> names;
    if (!split(windowsPath, letter, names))
        return std::nullopt;
    std::optional<fs::path> root;
    for (const Drive& drive : drives(prefix))
        if (drive.letter == letter)
            root = drive.target;
    if (!root)
        return std::nullopt;
    fs::path host = *root;
    bool existing = true;
    for (const QString& name : names) {
        if (existing) {
            if (auto entry = findEntry(host, name)) {
                host = *entry;
                continue;
            }
            existing = false;
        }
        host /= fromQString(name);
    }
    return host;
}

QString WindowsPath::toWindows(const fs::path& prefix, const fs::path& hostPath)
{
    std::error_code error;
    fs::path path = fs::weakly_canonical(fs::absolute(hostPath, error), error);
    if (error)
        path = hostPath.lexically_normal();

    const Drive* best = nullptr;
    std::vector<QString> bestNames;
    size_t bestDepth = 0;
    const std::vector<Drive> all = drives(prefix);
    for (const Drive& drive : all) {
        std::vector<QString> names;
        if (!relativeTo(path, drive.target, names))
            continue;
        const size_t depth = static_cast<size_t>(std::distance(drive.target.begin(), drive.target.end()));
        // The most specific drive wins; among equals the first letter (drives are sorted).
        if (!best || depth > bestDepth) {
            best = &drive;
            bestNames = std::move(names);
            bestDepth = depth;
        }
    }
    QString result = QString(best ? best->letter : QChar(u'Z')) + QStringLiteral(":\\");
    if (!best) {
        // Not even under "/" (a relative path that could not be made absolute).
        relativeTo(path, fs::path("/"), bestNames);
    }
    QStringList parts;
    for (const QString& name : bestNames)
        parts << name;
    return result + parts.join(u'\\');
}
