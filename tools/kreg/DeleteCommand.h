// kreg delete KEY [/v NAME | /ve | /va] [/f]: deletes a key tree or values as reg
// delete does.
#pragma once

#include <string>
#include <vector>

class KregSession;

class DeleteCommand {
public:
    static const char help[];
    static int run(KregSession& session, const std::vector<std::string>& args);
};
