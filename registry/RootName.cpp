#include "RootName.h"

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

std::optional<HKEY> rootFromName(std::string_view name)
{
    for (const RootName& r : rootNames)
        if (equalNoCase(name, r.shortName) || equalNoCase(name, r.longName))
            return r.root;
    return std::nullopt;
}

const char* longRootName(HKEY root)
{
    for (const RootName& r : rootNames)
        if (r.root == root)
            return r.longName;
    return "";
}
