#include "KeyArgument.h"

#include "KregSession.h"
#include "Unicode.h"

namespace {

struct RootName {
    const char* shortName;
    const char* longName;
    HKEY root;
};

constexpr RootName rootNames[] = {
    {"HKLM", "HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {"HKCU", "HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKCR", "HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {"HKU", "HKEY_USERS", HKEY_USERS},
    {"HKCC", "HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
};

bool equalNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

std::optional<HKEY> KeyArgument::rootFromName(std::string_view name)
{
    for (const RootName& r : rootNames)
        if (equalNoCase(name, r.shortName) || equalNoCase(name, r.longName))
            return r.root;
    return std::nullopt;
}

const char* KeyArgument::longRootName(HKEY root)
{
    for (const RootName& r : rootNames)
        if (r.root == root)
            return r.longName;
    return "";
}

std::optional<KeyArgument> KeyArgument::parse(std::string_view text, KregSession& session)
{
    // The checks run in reg's order, so that each malformed key gets reg's message.
    const std::u16string units = toUtf16(text);
    const size_t n = units.size();
    if (n < 3 || (units[n - 1] == u'\\' && units[n - 2] == u'\\')) {
        session.message("Invalid registry key");
        return std::nullopt;
    }
    if (units[0] == u'\\' && units[1] == u'\\' && units[2] != u'\\') {
        session.message("Unable to access remote machine");
        return std::nullopt;
    }
    const size_t slash = text.find('\\');
    const std::optional<HKEY> root = rootFromName(text.substr(0, slash));
    if (!root || (slash != std::string_view::npos && slash + 1 == text.size())) {
        session.message("Invalid system key");
        return std::nullopt;
    }
    KeyArgument key;
    key.root = *root;
    key.printed = longRootName(*root);
    if (slash != std::string_view::npos) {
        std::string_view path = text.substr(slash + 1);
        if (path.ends_with('\\'))
            path.remove_suffix(1);
        key.path = toUtf16(path);
        key.printed += '\\';
        key.printed += path;
    }
    return key;
}
