#include "ImportCommand.h"

#include "KregSession.h"
#include "RegFileReader.h"
#include "Store.h"
#include "Switches.h"

#include <fstream>
#include <iterator>
#include <sstream>

const char ImportCommand::help[] =
    "REG IMPORT <file>\r\n"
    "\r\n"
    "  Imports keys, values and data from a given file into the registry.\r\n"
    "\r\n"
    "  <file>\r\n"
    "     The name and path of the registry file to import.\r\n"
    "\r\n"
    KREG_VIEW_HELP;

int ImportCommand::run(KregSession& session, const std::vector<std::string>& args)
{
    if (!Switches().read(args, 2))
        return session.syntaxError(args[0]);

    const std::string& file = args[1];
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        session.message("The file '" + file + "' was not found.");
        return 1;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        session.message("The file '" + file + "' could not be read.");
        return 1;
    }

    // The whole file is read before anything is changed, and then applied as one edit:
    // a file with an error changes nothing.
    std::vector<std::string> warnings;
    std::vector<RegFileChange> changes;
    try {
        changes = RegFileReader::read(content.str(), warnings);
    } catch (const RegFileError& e) {
        for (const std::string& w : warnings)
            session.message(w);
        session.message(file + ":" + std::to_string(e.line()) + ": " + e.what() +
                        "; nothing was imported");
        return 1;
    }
    for (const std::string& w : warnings)
        session.message(w);

    Store::Edit edit(session.store());
    for (const RegFileChange& change : changes) {
        try {
            switch (change.kind) {
            case RegFileChange::Kind::CreateKey:
                edit.createKey(change.root, change.path);
                break;
            case RegFileChange::Kind::DeleteKey:
                edit.deleteKey(change.root, change.path);
                break;
            case RegFileChange::Kind::SetValue:
                edit.setValue(change.root, change.path, change.name, change.type, change.data);
                break;
            case RegFileChange::Kind::DeleteValue:
                if (edit.findKey(change.root, change.path))
                    edit.deleteValue(change.root, change.path, change.name);
                break;
            }
        } catch (const RegistryError& e) {
            session.message(file + ":" + std::to_string(change.line) + ": " + e.what() +
                            "; nothing was imported");
            return 1;
        }
    }
    edit.commit();
    return 0;
}
