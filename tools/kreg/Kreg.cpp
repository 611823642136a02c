#include "Kreg.h"

#include "AddCommand.h"
#include "DeleteCommand.h"
#include "ExportCommand.h"
#include "ImportCommand.h"
#include "KregSession.h"
#include "QueryCommand.h"
#include "RegistryError.h"
#include "Store.h"

#include <iostream>

namespace {

struct Operation {
    const char* name;
    int (*run)(KregSession&, const std::vector<std::string>&);
    const char* help;
};

const Operation operations[] = {
    {"add", &AddCommand::run, AddCommand::help},
    {"delete", &DeleteCommand::run, DeleteCommand::help},
    {"export", &ExportCommand::run, ExportCommand::help},
    {"import", &ImportCommand::run, ImportCommand::help},
    {"query", &QueryCommand::run, QueryCommand::help},
};

const char usage[] = "Usage:\r\n"
                     "  kreg [--prefix DIR] [operation] [parameters]\r\n"
                     "\r\n"
                     "Supported operations:\r\n"
                     "  ADD | DELETE | EXPORT | IMPORT | QUERY\r\n"
                     "\r\n"
                     "For help on a specific operation, type:\r\n"
                     "  kreg [operation] /?\r\n"
                     "\r\n"
                     "The registry is that of a Wine prefix: DIR when --prefix is given,\r\n"
                     "else $WINEPREFIX, else $XDG_DATA_HOME/korrelin/prefix.\r\n"
                     "\r\n";

bool isHelpSwitch(const std::string& arg)
{
    return arg == "/?" || arg == "-?";
}

const Operation* findOperation(const std::string& word)
{
    for (const Operation& op : operations) {
        const std::string_view name = op.name;
        if (word.size() != name.size())
            continue;
        bool same = true;
        for (size_t i = 0; i < word.size() && same; ++i)
            same = (word[i] | 0x20) == name[i];
        if (same)
            return &op;
    }
    return nullptr;
}

} // namespace

int runKreg(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            std::istream& in)
{
    std::vector<std::string> rest = args;
    std::string prefixOption;
    while (!rest.empty() && (rest.front() == "--prefix" || rest.front().starts_with("--prefix="))) {
        if (rest.front() == "--prefix") {
            if (rest.size() < 2) {
                err << "kreg: --prefix needs a directory\n";
                return 1;
            }
            prefixOption = rest[1];
            rest.erase(rest.begin(), rest.begin() + 2);
        } else {
            prefixOption = rest.front().substr(9);
            rest.erase(rest.begin());
        }
    }

    KregSession session(Store::choosePrefix(prefixOption), in, out);
    if (rest.empty()) {
        session.message("Invalid syntax. Type \"REG /?\" for help.");
        return 1;
    }
    if (isHelpSwitch(rest[0])) {
        out << usage;
        return 0;
    }
    const Operation* op = findOperation(rest[0]);
    if (!op) {
        session.message("Invalid option [" + rest[0] + "]. Type \"REG /?\" for help.");
        return 1;
    }
    const bool wantsHelp = rest.size() > 1 && isHelpSwitch(rest[1]);
    if (rest.size() == 1 || (wantsHelp && rest.size() > 2))
        return session.syntaxError(rest[0]);
    if (wantsHelp) {
        out << op->help;
        return 0;
    }
    try {
        return op->run(session, rest);
    } catch (const RegistryError& e) {
        // A damaged hive, a store held by a running wineserver, a name the store
        // refuses: reported as reg reports its own failures, nothing written.
        session.message(e.what());
        return 1;
    }
}

int runKreg(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return runKreg(args, out, err, std::cin);
}
