#include "QueryCommand.h"

#include "KeyArgument.h"
#include "KregSession.h"
#include "RegistryTypes.h"
#include "Switches.h"
#include "Unicode.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>

const char QueryCommand::help[] =
    "REG QUERY <key> [/v value_name | /ve] [/s]\r\n"
    "\r\n"
    "  Queries a specified registry key and lists all immediate subkeys, values\r\n"
    "  and data within that key. Use [/s] to recursively query each subkey.\r\n"
    "\r\n"
    "  <key>\r\n"
    "     The registry key to query.\r\n"
    "\r\n"
    KREG_KEY_FORMAT_HELP
    "\r\n"
    "  /v <value_name>\r\n"
    "     The name of the registry value to query. If neither [/v] nor [/ve] is\r\n"
    "     specified, all values under <key> are listed.\r\n"
    "\r\n"
    "  /ve\r\n"
    "     Query an unnamed registry value. This option queries the (Default)\r\n"
    "     registry value.\r\n"
    "\r\n"
    "  /s\r\n"
    "     List all registry entries under <key> and its subkeys.\r\n"
    "\r\n"
    KREG_VIEW_HELP;

namespace {

// The little-endian number in the first `width` bytes. Shorter data is taken as what it
// is (zero-extended); reg prints whatever its buffer held before.
std::string number(const std::vector<uint8_t>& data, size_t width)
{
    if (data.empty())
        return {};
    unsigned long long n = 0;
    for (size_t i = 0; i < width && i < data.size(); ++i)
        n |= static_cast<unsigned long long>(data[i]) << (8 * i);
    char buf[24];
    std::snprintf(buf, sizeof buf, "0x%llx", n);
    return buf;
}

// Whether a match is wanted: all values, one named value, or the default value.
struct ValueFilter {
    bool any = true;
    std::u16string name;
    std::string printedName;
};

} // namespace

std::string QueryCommand::typeName(uint32_t type)
{
    switch (type) {
    case REG_NONE: return "REG_NONE";
    case REG_SZ: return "REG_SZ";
    case REG_EXPAND_SZ: return "REG_EXPAND_SZ";
    case REG_BINARY: return "REG_BINARY";
    case REG_DWORD: return "REG_DWORD";
    case REG_DWORD_BIG_ENDIAN: return "REG_DWORD_BIG_ENDIAN";
    case REG_MULTI_SZ: return "REG_MULTI_SZ";
    case REG_QWORD: return "REG_QWORD";
    default: return "(null)";
    }
}

std::string QueryCommand::dataText(uint32_t type, const std::vector<uint8_t>& data)
{
    switch (type) {
    case REG_NONE:
    case REG_BINARY: {
        static const char digits[] = "0123456789ABCDEF";
        std::string hex;
        for (uint8_t b : data) {
            hex += digits[b >> 4];
            hex += digits[b & 15];
        }
        return hex;
    }
    case REG_SZ:
    case REG_EXPAND_SZ: {
        const std::u16string text = fromUtf16LeBytes(data);
        return toUtf8(std::u16string_view(text).substr(0, text.find(u'\0')));
    }
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN:
        // Big-endian data is shown unswapped, as reg shows it.
        return number(data, 4);
    case REG_QWORD:
        // Wine's reg prints "(null)" here; Windows' reg prints the number.
        return number(data, 8);
    case REG_MULTI_SZ: {
        // The strings separated by "\0". Only the terminators actually present are
        // dropped: reg drops two units blindly and so cuts off the last character of a
        // list with a single terminator.
        std::u16string text = fromUtf16LeBytes(data);
        for (int i = 0; i < 2 && !text.empty() && text.back() == 0; ++i)
            text.pop_back();
        std::string shown;
        size_t start = 0;
        for (;;) {
            const size_t nul = text.find(u'\0', start);
            shown += toUtf8(std::u16string_view(text).substr(start, nul - start));
            if (nul == std::u16string::npos)
                break;
            shown += "\\0";
            start = nul + 1;
        }
        return shown;
    }
    default:
        return "(null)";
    }
}

int QueryCommand::run(KregSession& session, const std::vector<std::string>& args)
{
    const std::optional<KeyArgument> key = KeyArgument::parse(args[1], session);
    if (!key)
        return 1;

    std::optional<std::string> valueName;
    bool valueEmpty = false, recurse = false;
    Switches switches;
    switches.operand("v", valueName).flag("ve", valueEmpty).flag("s", recurse);
    if (!switches.read(args, 2) || (valueName && valueEmpty))
        return session.syntaxError(args[0]);

    ValueFilter filter;
    if (valueName || valueEmpty) {
        filter.any = false;
        filter.name = valueName ? toUtf16(*valueName) : std::u16string();
        filter.printedName = filter.name.empty() ? "(Default)" : *valueName;
    }

    std::ostream& out = session.out();
    auto valueLine = [&out](const std::string& name, const RegValue& value) {
        out << "    " << name << "    " << typeName(value.type) << "    "
            << dataText(value.type, value.data) << "\r\n";
    };
    auto shownName = [](const RegValue& value) {
        return value.name.empty() ? std::string("(Default)") : toUtf8(value.name);
    };

    if (!recurse) {
        const RegKey* found = session.openKey(key->root, key->path);
        if (!found) {
            session.message("Unable to find the specified registry key");
            return 1;
        }
        out << "\r\n";
        if (filter.any) {
            if (!found->values().empty()) {
                out << key->printed << "\r\n";
                for (const RegValue& value : found->values())
                    valueLine(shownName(value), value);
                out << "\r\n";
            }
            for (const auto& sub : found->subkeys())
                out << key->printed << '\\' << toUtf8(sub->name()) << "\r\n";
            return 0;
        }
        const RegValue* value = found->findValue(filter.name);
        if (value) {
            out << key->printed << "\r\n";
            valueLine(filter.printedName, *value);
            out << "\r\n";
            return 0;
        }
        if (filter.name.empty()) {
            out << key->printed << "\r\n";
            out << "    (Default)    REG_SZ    (value not set)\r\n";
            return 0;
        }
        session.message("Unable to find the specified registry value");
        return 1;
    }

    // A copy, since following a link further down looks the store up again.
    const std::unique_ptr<RegKey> top = session.copyKey(key->root, key->path);
    if (!top) {
        session.message("Unable to find the specified registry key");
        return 1;
    }
    out << "\r\n";
    size_t matches = 0;
    std::function<void(const RegKey&, const std::string&, bool)> list =
        [&](const RegKey& k, const std::string& name, bool isTop) {
            if (filter.any) {
                if (!isTop || !k.values().empty()) {
                    out << name << "\r\n";
                    for (const RegValue& value : k.values())
                        valueLine(shownName(value), value);
                    out << "\r\n";
                }
            } else if (const RegValue* value = k.findValue(filter.name)) {
                out << name << "\r\n";
                valueLine(filter.printedName, *value);
                out << "\r\n";
                ++matches;
            }
            for (const auto& sub : k.subkeys()) {
                std::unique_ptr<RegKey> holder;
                if (const RegKey* child = session.followLink(*sub, holder))
                    list(*child, name + '\\' + toUtf8(sub->name()), false);
            }
        };
    list(*top, key->printed, true);
    if (!filter.any)
        out << "Search complete. Number of matches found: " << matches << "\r\n";
    return 0;
}
