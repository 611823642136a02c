// A key as typed on reg's command line: ROOT or ROOT\path, where ROOT is HKLM, HKCU,
// HKCR, HKU, HKCC or one of the long names, in any case.
#pragma once

#include "RegistryTypes.h"

#include <optional>
#include <string>
#include <string_view>

// The paragraph of reg's help texts that explains <key>, shared by the commands' help.
#define KREG_KEY_FORMAT_HELP \
    "     Format: ROOT\\Subkey\r\n" \
    "\r\n" \
    "     ROOT: A predefined registry key. This must be one of the following:\r\n" \
    "\r\n" \
    "         HKEY_LOCAL_MACHINE  | HKLM\r\n" \
    "         HKEY_CURRENT_USER   | HKCU\r\n" \
    "         HKEY_CLASSES_ROOT   | HKCR\r\n" \
    "         HKEY_USERS          | HKU\r\n" \
    "         HKEY_CURRENT_CONFIG | HKCC\r\n" \
    "\r\n" \
    "     Subkey: The full path to a registry key under a given ROOT key.\r\n"

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
};
