#include "KeyArgument.h"

#include "KregSession.h"
#include "RootName.h"
#include "Unicode.h"

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
