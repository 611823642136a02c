// The store's time source. Wine stamps every saved key with its modification time, so
// byte-exact tests need a clock they can fix.
#pragma once

#include <cstdint>
#include <optional>

class Clock {
public:
    // Now as a Windows FILETIME (100 ns units since 1601-01-01 UTC).
    static uint64_t now();
    // Tests: a fixed time, or std::nullopt for the real one.
    static void fix(std::optional<uint64_t> filetime);
};
