#include "Switches.h"

#include <algorithm>

Switches::Switches()
{
    flag("reg:32", m_view32);
    flag("reg:64", m_view64);
}

Switches& Switches::flag(const char* name, bool& set)
{
    m_entries.push_back({name, &set, false, nullptr, {}});
    return *this;
}

Switches& Switches::repeatableFlag(const char* name, bool& set)
{
    m_entries.push_back({name, &set, true, nullptr, {}});
    return *this;
}

Switches& Switches::operand(const char* name, std::optional<std::string>& value)
{
    m_entries.push_back({name, nullptr, false, &value, {}});
    return *this;
}

Switches& Switches::repeatableOperand(const char* name,
                                      std::function<bool(const std::string&)> take)
{
    m_entries.push_back({name, nullptr, true, nullptr, std::move(take)});
    return *this;
}

bool Switches::read(const std::vector<std::string>& args, size_t first)
{
    for (size_t i = first; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.empty() || (arg[0] != '/' && arg[0] != '-'))
            return false;
        std::string name = arg.substr(1);
        for (char& c : name)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        const auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                                        [&](const Entry& e) { return e.name == name; });
        if (entry == m_entries.end())
            return false;
        if (entry->flag) {
            if (*entry->flag && !entry->repeatable)
                return false;
            *entry->flag = true;
            continue;
        }
        if (i + 1 >= args.size())
            return false;
        const std::string& value = args[++i];
        if (entry->operand) {
            if (*entry->operand)
                return false;
            *entry->operand = value;
        } else if (!entry->take(value)) {
            return false;
        }
    }
    return !(m_view32 && m_view64);
}
