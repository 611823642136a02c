// kreg export KEY FILE [/y] [--regedit4]: writes a key tree to a .reg file as reg
// export does, or in the REGEDIT4 format.
#pragma once

#include <string>
#include <vector>

class KregSession;

class ExportCommand {
public:
    static const char help[];
    static int run(KregSession& session, const std::vector<std::string>& args);

    // The text of a system error when a file cannot be written, as Windows words it.
    static std::string fileErrorText(int error);
};
