#include "AddCommand.h"

#include "KeyArgument.h"
#include "KregSession.h"
#include "RegistryTypes.h"
#include "Store.h"
#include "Switches.h"
#include "Unicode.h"

#include <cerrno>
#include <cstdlib>

const char AddCommand::help[] =
    "REG ADD <key> [/v value_name | /ve] [/t type] [/s separator] [/d data] [/f]\r\n"
    "\r\n"
    "  Adds a key to the registry or adds a new value to a given registry key.\r\n"
    "\r\n"
    "  <key>\r\n"
    "     The registry key to add or, if either [/v] or [/ve] is specified,\r\n"
    "     the key in which to add the new registry data.\r\n"
    "\r\n"
    KREG_KEY_FORMAT_HELP
    "\r\n"
    "  /v <value_name>\r\n"
    "     The name of the registry value to add.\r\n"
    "\r\n"
    "  /ve\r\n"
    "     Add an unnamed registry value. This option modifies the (Default)\r\n"
    "     registry value.\r\n"
    "\r\n"
    "  /t <type>\r\n"
    "     The type of data to add to the registry. If [/t] is specified,\r\n"
    "     <type> must be one of the following:\r\n"
    "\r\n"
    "         REG_SZ    | REG_MULTI_SZ | REG_EXPAND_SZ\r\n"
    "         REG_DWORD | REG_QWORD    | REG_BINARY   | REG_NONE\r\n"
    "\r\n"
    "     If [/t] is not specified, the default data type is REG_SZ.\r\n"
    "\r\n"
    "  /s <separator>\r\n"
    "     The character used to separate strings in REG_MULTI_SZ data.\r\n"
    "     If [/s] is not specified, the default separator is \\0.\r\n"
    "\r\n"
    "  /d <data>\r\n"
    "     The data to add to the new registry value.\r\n"
    "\r\n"
    "  /f\r\n"
    "     Modify the registry without prompting for confirmation.\r\n"
    "\r\n"
    KREG_VIEW_HELP;

namespace {

std::string lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// reg reads numbers with the C library: hexadecimal after "0x", decimal otherwise,
// leading blanks and a plus sign allowed, nothing after the digits, no minus sign.
std::optional<unsigned long long> parseNumber(const std::string& text, unsigned long long max)
{
    if (!text.empty() && text[0] == '-')
        return std::nullopt;
    const int base = text.size() > 1 && (text[1] == 'x' || text[1] == 'X') ? 16 : 10;
    errno = 0;
    char* end = nullptr;
    const unsigned long long n = std::strtoull(text.c_str(), &end, base);
    if (*end || errno == ERANGE || n > max || text.find('-') != std::string::npos)
        return std::nullopt;
    return n;
}

} // namespace

std::optional<uint32_t> AddCommand::typeFromName(const std::string& name)
{
    struct Entry {
        const char* name;
        uint32_t type;
    };
    static const Entry types[] = {
        {"reg_none", REG_NONE},
        {"reg_sz", REG_SZ},
        {"reg_expand_sz", REG_EXPAND_SZ},
        {"reg_binary", REG_BINARY},
        {"reg_dword", REG_DWORD},
        {"reg_dword_little_endian", REG_DWORD},
        {"reg_dword_big_endian", REG_DWORD_BIG_ENDIAN},
        {"reg_multi_sz", REG_MULTI_SZ},
        {"reg_qword", REG_QWORD},
    };
    const std::string key = lower(name);
    for (const Entry& e : types)
        if (key == e.name)
            return e.type;
    return std::nullopt;
}

std::optional<std::vector<uint8_t>> AddCommand::encodeData(KregSession& session, uint32_t type,
                                                           const std::string& text,
                                                           char16_t separator)
{
    switch (type) {
    case REG_NONE:
    case REG_SZ:
    case REG_EXPAND_SZ: {
        std::u16string units = toUtf16(text);
        units.push_back(0);
        return toUtf16LeBytes(units);
    }
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN:
    case REG_QWORD: {
        const bool qword = type == REG_QWORD;
        const auto n = parseNumber(text, qword ? ~0ULL : 0xffffffffULL);
        if (!n) {
            session.message("The option [/d] must be followed by a valid numeric value");
            return std::nullopt;
        }
        // Stored little-endian; REG_DWORD_BIG_ENDIAN is not swapped, as reg does not.
        std::vector<uint8_t> out(qword ? 8 : 4);
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = static_cast<uint8_t>(*n >> (8 * i));
        return out;
    }
    case REG_BINARY: {
        // An odd number of digits makes the first one a byte of its own.
        std::vector<uint8_t> out;
        size_t i = 0;
        if (text.size() % 2) {
            const int d = hexDigit(text[0]);
            if (d < 0)
                break;
            out.push_back(static_cast<uint8_t>(d));
            i = 1;
        }
        for (; i + 1 < text.size(); i += 2) {
            const int hi = hexDigit(text[i]), lo = hexDigit(text[i + 1]);
            if (hi < 0 || lo < 0) {
                session.message("The option [/d] must be followed by a valid hexadecimal value");
                return std::nullopt;
            }
            out.push_back(static_cast<uint8_t>(hi << 4 | lo));
        }
        return out;
    }
    case REG_MULTI_SZ: {
        // Strings separated by the /s character, or by the two characters \0; a trailing
        // separator is ignored; an empty string inside the list is refused, since the
        // list would end there.
        const std::u16string in = toUtf16(text);
        std::u16string out;
        for (size_t i = 0; i < in.size(); ++i) {
            if (!separator && in[i] == u'\\' && i + 1 < in.size() && in[i + 1] == u'0') {
                out.push_back(0);
                ++i;
            } else if (separator && in[i] == separator) {
                out.push_back(0);
            } else {
                out.push_back(in[i]);
            }
            const size_t n = out.size();
            if (n > 1 && out[n - 2] == 0 && (out[n - 1] == 0 || n == 2)) {
                session.message("The option [/d] must be followed by a valid string");
                return std::nullopt;
            }
        }
        if (!out.empty() && out.back() != 0)
            out.push_back(0);
        out.push_back(0);
        return toUtf16LeBytes(out);
    }
    default:
        break;
    }
    session.message("The option [/d] must be followed by a valid hexadecimal value");
    return std::nullopt;
}

int AddCommand::run(KregSession& session, const std::vector<std::string>& args)
{
    const std::optional<KeyArgument> key = KeyArgument::parse(args[1], session);
    if (!key)
        return 1;

    std::optional<std::string> valueName, typeText, dataText;
    char16_t separator = 0;
    bool valueEmpty = false, force = false;
    Switches switches;
    switches.operand("v", valueName).flag("ve", valueEmpty).operand("t", typeText)
        .operand("d", dataText).flag("f", force)
        .repeatableOperand("s", [&separator](const std::string& text) {
            const std::u16string sep = toUtf16(text);
            if (sep.size() != 1)
                return false;
            separator = sep[0];
            return true;
        });
    if (!switches.read(args, 2) || (valueName && valueEmpty))
        return session.syntaxError(args[0]);

    // Everything is checked before anything is written: reg creates the key first and
    // leaves it behind when the type or data then turns out to be wrong.
    const std::optional<uint32_t> type = typeText ? typeFromName(*typeText) : REG_SZ;
    if (!type) {
        session.message("Unsupported registry data type [" + *typeText + "]");
        return 1;
    }
    if (!dataText && (*type == REG_DWORD || *type == REG_DWORD_BIG_ENDIAN || *type == REG_QWORD)) {
        session.message("Invalid command line parameters");
        return 1;
    }
    const std::optional<std::vector<uint8_t>> data =
        encodeData(session, *type, dataText.value_or(std::string()), separator);
    if (!data)
        return 1;

    const std::u16string name = valueName ? toUtf16(*valueName) : std::u16string();
    // Only the key: reg add KEY alone would reset an existing default value to an
    // empty string; it is created empty only when the key has none yet.
    const bool keyOnly = !valueName && !valueEmpty && !dataText && !typeText;

    Store::Edit edit(session.store());
    const RegKey* existing = edit.findKey(key->root, key->path);
    const bool valueExists = existing && existing->findValue(name);
    if (keyOnly && valueExists) {
        edit.createKey(key->root, key->path);
    } else {
        if (valueExists && !force) {
            const std::string shown = name.empty() ? "(Default)" : *valueName;
            if (!session.confirm("The registry value '" + shown +
                                 "' already exists. Do you want to overwrite it?")) {
                session.message("The registry operation was cancelled");
                return 0;
            }
        }
        edit.createKey(key->root, key->path);
        edit.setValue(key->root, key->path, name, *type, *data);
    }
    edit.commit();
    session.message("The operation completed successfully");
    return 0;
}
