// random.h -- the one pseudo-random generator shared by the match, the terrain and the rain.
#pragma once

#include <cstdint>

namespace common {

// The generator's state: 1 at program start, and reseeded only where a match
// is asked to start from a seed (frame/match_series.h). The match reset, the
// simulation, the terrain generation and the rain all draw from it in program
// order, so every draw's place in the sequence matters.
std::uint32_t randomState();

// Puts the generator at a given state: a match's seed (the program and the
// tools alike), or a known point for the tests.
void setRandomState(std::uint32_t state);

// One draw: state = state * 214013 + 2531011 (mod 2^32); returns bits 16..30,
// a value from 0 to 32767. The first draw of a run is 41.
int drawRandom();

// r(n): one draw taken modulo n (n > 0).
int drawRandomBelow(int n);

}  // namespace common
