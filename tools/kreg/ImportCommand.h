// kreg import FILE: applies a .reg file, completely or not at all.
#pragma once

#include <string>
#include <vector>

class KregSession;

class ImportCommand {
public:
    static const char help[];
    static int run(KregSession& session, const std::vector<std::string>& args);
};
