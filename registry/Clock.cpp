#include "Clock.h"

#include <atomic>
#include <chrono>

namespace {

// Between 1601-01-01 and 1970-01-01, in 100 ns units.
constexpr uint64_t kFiletimeUnixEpoch = 116444736000000000ULL;

std::atomic<bool> g_fixed{false};
std::atomic<uint64_t> g_fixedTime{0};

} // namespace

uint64_t Clock::now() {
    if (g_fixed.load(std::memory_order_acquire))
        return g_fixedTime.load(std::memory_order_relaxed);
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks =
        std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch).count() / 100;
    return kFiletimeUnixEpoch + static_cast<uint64_t>(ticks);
}

void Clock::fix(std::optional<uint64_t> filetime) {
    g_fixedTime.store(filetime.value_or(0), std::memory_order_relaxed);
    g_fixed.store(filetime.has_value(), std::memory_order_release);
}
