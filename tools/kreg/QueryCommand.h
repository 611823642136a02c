// kreg query KEY [/v NAME | /ve] [/s]: lists a key as reg query does.
#pragma once

#include "RegKey.h"

#include <string>
#include <vector>

class KregSession;

class QueryCommand {
public:
    static const char help[];
    // args[0] is the operation word as typed.
    static int run(KregSession& session, const std::vector<std::string>& args);

    // reg's type column: "REG_SZ", ..., "(null)" for types reg has no name for.
    static std::string typeName(uint32_t type);
    // reg's data column.
    static std::string dataText(uint32_t type, const std::vector<uint8_t>& data);
};
