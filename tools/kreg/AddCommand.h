// kreg add KEY [/v NAME | /ve] [/t TYPE] [/s SEP] [/d DATA] [/f]: creates a key and
// sets a value as reg add does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class KregSession;

class AddCommand {
public:
    static const char help[];
    static int run(KregSession& session, const std::vector<std::string>& args);

    // The type named by /t (REG_SZ, ..., any case); nothing for types reg cannot add.
    static std::optional<uint32_t> typeFromName(const std::string& name);
    // The bytes reg stores for /d text of that type; nothing (after printing reg's
    // message) when the text is not valid for it. separator is 0 when /s was not given.
    static std::optional<std::vector<uint8_t>> encodeData(KregSession& session, uint32_t type,
                                                          const std::string& text,
                                                          char16_t separator);
};
