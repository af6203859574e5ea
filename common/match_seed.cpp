// match_seed.cpp -- seeds from the clock, and the next seed of a series.
#include "common/match_seed.h"

#include <chrono>

namespace common {

// A bijective mixing of 32 bits (the finaliser of MurmurHash3): neighbouring
// inputs give unrelated outputs.
static std::uint32_t mix(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x85EBCA6Bu;
    x ^= x >> 13;
    x *= 0xC2B2AE35u;
    x ^= x >> 16;
    return x;
}

std::uint32_t seedFromClock() {
    const auto wall = std::chrono::system_clock::now().time_since_epoch();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch();
    const auto nanoseconds = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(wall).count() ^
        std::chrono::duration_cast<std::chrono::nanoseconds>(steady).count());
    return mix(static_cast<std::uint32_t>(nanoseconds) ^
               mix(static_cast<std::uint32_t>(nanoseconds >> 32)));
}

std::uint32_t nextSeed(std::uint32_t seed) {
    // The golden ratio's step keeps a seed of 0 from staying 0.
    return mix(seed + 0x9E3779B9u);
}

}  // namespace common
