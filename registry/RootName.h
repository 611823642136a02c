// The names of the predefined keys as reg, .reg files and scenario files write them:
// short (HKLM) or long (HKEY_LOCAL_MACHINE), in any case.
#pragma once

#include "RegistryTypes.h"

#include <optional>
#include <string_view>

std::optional<HKEY> rootFromName(std::string_view name);

// "HKEY_CURRENT_USER" and so on; "" for a key that is not a predefined one.
const char* longRootName(HKEY root);
