// kreg: the store's command-line tool, with the syntax, output and exit codes of
// Wine's reg (query, add, delete, export, import). Everything is written to `out`,
// as reg writes everything to standard output; lines end in "\r\n" like reg's.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// args are the command-line words after the program name. Answers to (Yes|No) prompts
// are read from `in`; end of input answers No.
int runKreg(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            std::istream& in);

// The same with answers read from standard input.
int runKreg(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
