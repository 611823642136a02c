#include "KeyPath.h"

#include "RegistryError.h"
#include "Unicode.h"

namespace {

// Returns an empty text when the path is acceptable, else why it is not.
std::string problem(std::u16string_view path, std::vector<std::u16string>* names)
{
    if (path.empty())
        return {};
    size_t start = 0;
    while (true) {
        const size_t end = path.find(u'\\', start);
        const std::u16string_view name =
            path.substr(start, end == std::u16string_view::npos ? std::u16string_view::npos : end - start);
        if (name.empty())
            return "empty key name in '" + toUtf8(path) + "'";
        if (name.size() > KeyPath::maxKeyName)
            return "key name longer than " + std::to_string(KeyPath::maxKeyName) + " characters in '" +
                toUtf8(path) + "'";
        if (name.find(u'\0') != std::u16string_view::npos)
            return "NUL character in key name '" + toUtf8(path) + "'";
        if (names)
            names->emplace_back(name);
        if (end == std::u16string_view::npos)
            return {};
        start = end + 1;
    }
}

} // namespace

std::vector<std::u16string> KeyPath::split(std::u16string_view path)
{
    std::vector<std::u16string> names;
    const std::string why = problem(path, &names);
    if (!why.empty())
        throw RegistryError("Invalid key path: " + why);
    return names;
}

bool KeyPath::trySplit(std::u16string_view path, std::vector<std::u16string>& names)
{
    names.clear();
    if (!problem(path, &names).empty()) {
        names.clear();
        return false;
    }
    return true;
}

void KeyPath::checkValueName(std::u16string_view name)
{
    if (name.size() > maxValueName)
        throw RegistryError("Invalid value name: longer than " + std::to_string(maxValueName) +
                            " characters");
    if (name.find(u'\0') != std::u16string_view::npos)
        throw RegistryError("Invalid value name: NUL character in '" + toUtf8(name) + "'");
}

void KeyPath::checkData(size_t size)
{
    if (size > maxData)
        throw RegistryError("Invalid value data: " + std::to_string(size) + " bytes, more than " +
                            std::to_string(maxData));
}

std::u16string KeyPath::join(const std::vector<std::u16string>& names)
{
    std::u16string path;
    for (const auto& name : names) {
        if (!path.empty())
            path += u'\\';
        path += name;
    }
    return path;
}
