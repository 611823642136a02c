#include "DeleteCommand.h"

#include "KeyArgument.h"
#include "KregSession.h"
#include "Store.h"
#include "Switches.h"
#include "Unicode.h"

#include <optional>

const char DeleteCommand::help[] =
    "REG DELETE <key> [/v value_name | /ve | /va] [/f]\r\n"
    "\r\n"
    "  Deletes a registry key (including all subkeys and values), or deletes\r\n"
    "  one or more values from a given registry key.\r\n"
    "\r\n"
    "  <key>\r\n"
    "     The registry key to delete or, if one of [/v], [/ve] or [/va] is\r\n"
    "     specified, the registry key in which to delete one or more values.\r\n"
    "\r\n"
    KREG_KEY_FORMAT_HELP
    "\r\n"
    "  /v <value_name>\r\n"
    "     The name of the registry value to delete.\r\n"
    "\r\n"
    "  /ve\r\n"
    "     Delete an unnamed registry value. This option deletes the (Default)\r\n"
    "     registry value.\r\n"
    "\r\n"
    "  /va\r\n"
    "     Delete all values from a registry key.\r\n"
    "\r\n"
    "  /f\r\n"
    "     Delete a registry key (including all subkeys and values) without\r\n"
    "     prompting for confirmation.\r\n"
    "\r\n"
    KREG_VIEW_HELP;

int DeleteCommand::run(KregSession& session, const std::vector<std::string>& args)
{
    const std::optional<KeyArgument> key = KeyArgument::parse(args[1], session);
    if (!key)
        return 1;

    std::optional<std::string> valueName;
    bool valueEmpty = false, valueAll = false, force = false;
    Switches switches;
    switches.operand("v", valueName).flag("ve", valueEmpty).flag("va", valueAll).flag("f", force);
    if (!switches.read(args, 2) || int(valueName.has_value()) + int(valueEmpty) + int(valueAll) > 1)
        return session.syntaxError(args[0]);

    const bool wholeKey = !valueName && !valueEmpty && !valueAll;
    // Wine's reg deletes everything under a root it is given; Windows' reg refuses,
    // and so does kreg: one mistyped command must not empty a hive.
    if (wholeKey && key->path.empty()) {
        session.message("Invalid registry key");
        return 1;
    }

    Store::Edit edit(session.store());
    const RegKey* found = edit.findKey(key->root, key->path);
    if (!found) {
        session.message("Unable to find the specified registry key");
        return 1;
    }
    const std::u16string name = valueName ? toUtf16(*valueName) : std::u16string();
    if ((valueName || valueEmpty) && !found->findValue(name)) {
        session.message("Unable to find the specified registry value");
        return 1;
    }

    if (!force) {
        std::string question;
        if (wholeKey)
            question = "Are you sure you want to delete the registry key '" + key->printed + "'?";
        else if (valueAll)
            question = "Are you sure you want to delete all registry values in '" +
                       key->printed + "'?";
        else
            question = "Are you sure you want to delete the registry value '" +
                       (name.empty() ? std::string("(Default)") : *valueName) + "'?";
        if (!session.confirm(question)) {
            session.message("The registry operation was cancelled");
            return 0;
        }
    }

    if (wholeKey) {
        edit.deleteKey(key->root, key->path);
    } else if (valueAll) {
        std::vector<std::u16string> names;
        for (const RegValue& value : edit.findKey(key->root, key->path)->values())
            names.push_back(value.name);
        for (const std::u16string& n : names)
            edit.deleteValue(key->root, key->path, n);
    } else {
        edit.deleteValue(key->root, key->path, name);
    }
    if (!edit.empty())
        edit.commit();
    session.message("The operation completed successfully");
    return 0;
}
