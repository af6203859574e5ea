// random.h -- the one pseudo-random generator shared by the match, the terrain and the rain.
#pragma once

#include <cstdint>

namespace common {

// The generator's state: 1 at program start, and reseeded only where a match
// is asked to start from a seed (frame/match_series.h). The match reset, the
// simulation, the terrain generation and the rain all draw from the world's
// one generator in program order, so every draw's place in the sequence matters.
struct Random {
    std::uint32_t state;
};

constexpr Random kInitialRandom = {1};

// One draw: state = state * 214013 + 2531011 (mod 2^32); returns bits 16..30,
// a value from 0 to 32767. The first draw of a run is 41.
inline int drawRandom(Random& random) {
    random.state = random.state * 214013u + 2531011u;
    return static_cast<int>((random.state >> 16) & 0x7FFFu);
}

// r(n): one draw taken modulo n (n > 0).
inline int drawRandomBelow(Random& random, int n) {
    return drawRandom(random) % n;
}

}  // namespace common
