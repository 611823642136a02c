// A key as typed on reg's command line: ROOT or ROOT\path, where ROOT is HKLM, HKCU,
// HKCR, HKU, HKCC or one of the long names, in any case.
#pragma once

#include "RegistryTypes.h"

#include <optional>
#include <string>
#include <string_view>

class KregSession;

class KeyArgument {
public:
    HKEY root = HKEY_CURRENT_USER;
    // Below the root, without the one trailing backslash reg removes.
    std::u16string path;
    // The long root name and the path as typed: how reg prints the key.
    std::string printed;

    // Prints reg's message and returns nothing when the text is not a key.
    static std::optional<KeyArgument> parse(std::string_view text, KregSession& session);

    // "HKEY_CURRENT_USER" and so on.
    static const char* longRootName(HKEY root);
    // Matches a long or short root name, any case.
    static std::optional<HKEY> rootFromName(std::string_view name);
};
