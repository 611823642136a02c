// The one exception type of the registry layer. Its message is the exact text the
// user sees (followed by a full stop in the application's error box).
#pragma once

#include <stdexcept>
#include <string>

class RegistryError : public std::runtime_error {
public:
    explicit RegistryError(const std::string& message) : std::runtime_error(message) {}
};
