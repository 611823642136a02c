// The switches after a command's fixed arguments, as reg reads them: "/name" or "-name",
// the name in any case. A flag may be given once, unless it is repeatable; a switch with
// an operand once, followed by its operand. Every command takes /reg:32 or /reg:64 (not
// both) and ignores them: a Wine prefix's registry has one view.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The paragraph of reg's help texts that explains /reg:32 and /reg:64, shared by the
// commands' help.
#define KREG_VIEW_HELP \
    "  /reg:32\r\n" \
    "     Access the registry using the 32-bit view.\r\n" \
    "\r\n" \
    "  /reg:64\r\n" \
    "     Access the registry using the 64-bit view.\r\n" \
    "\r\n"

class Switches {
public:
    Switches();

    Switches& flag(const char* name, bool& set);
    Switches& repeatableFlag(const char* name, bool& set);
    Switches& operand(const char* name, std::optional<std::string>& value);
    // A switch with an operand that may be repeated; take returns false to refuse it.
    Switches& repeatableOperand(const char* name, std::function<bool(const std::string&)> take);

    // Reads args from first on; false when one is not a switch of the command, is
    // repeated, lacks its operand or is refused, or both views are asked for.
    bool read(const std::vector<std::string>& args, size_t first);

private:
    struct Entry {
        std::string name;
        bool* flag = nullptr;
        bool repeatable = false;
        std::optional<std::string>* operand = nullptr;
        std::function<bool(const std::string&)> take;
    };

    std::vector<Entry> m_entries;
    bool m_view32 = false;
    bool m_view64 = false;
};
