// What every kreg subcommand works with: the store, the output stream with reg's
// messages, the console prompt, and key lookups that follow Wine's symbolic links the
// way reg sees them (opening a link key opens its target).
#pragma once

#include "RegKey.h"
#include "RegistryTypes.h"
#include "Store.h"

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

class KregSession {
public:
    KregSession(std::filesystem::path prefix, std::istream& in, std::ostream& out);
    ~KregSession();

    Store& store();
    std::ostream& out() { return m_out; }

    // text + "\r\n".
    void line(std::string_view text);
    // "reg: " + text + "\r\n", reg's form for every message.
    void message(std::string_view text);
    // reg's syntax error for an operation, with the word upper-cased as typed.
    int syntaxError(const std::string& operationWord);

    // Prints question + " (Yes|No)" and reads answers: one starting with Y or y is yes,
    // N or n is no, anything else asks again. End of input is no, where reg would ask
    // forever.
    bool confirm(const std::string& question);

    // The key at root\path, following symbolic links on the way; nullptr when it does
    // not exist. The pointer is valid until the next store call.
    const RegKey* openKey(HKEY root, std::u16string_view path);
    // A deep copy of what openKey finds, for walks that look up links on the way.
    std::unique_ptr<RegKey> copyKey(HKEY root, std::u16string_view path);
    // A sub-key met during a walk: itself, or a copy of its link target (nullptr when
    // the target is missing).
    const RegKey* followLink(const RegKey& key, std::unique_ptr<RegKey>& holder);

private:
    std::filesystem::path m_prefix;
    std::istream& m_in;
    std::ostream& m_out;
    std::unique_ptr<Store> m_store;
};
