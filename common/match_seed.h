// match_seed.h -- the seeds matches start from: one taken from the clock, and the fixed sequence
// of the seeds after it.
#pragma once

#include <cstdint>
#include <string>

namespace common {

// The matches as a command line chose them (the program and both tools): every
// setting that changes the frames besides the keys, so a session keeps them all.
struct MatchChoice {
    bool seedGiven = false;      // --seed N
    std::uint32_t seed = 0;      // with seedGiven: N
    bool seedFromClock = false;  // --random, or the screen saver's new match
    int minutes = 0;             // --match-minutes M; 0: a match never ends
    // With minutes: half time halfway. --match-minutes sets it; a session
    // older than half time has a match length without it, and replays so.
    bool halves = false;
    bool replays = false;  // --replays: every goal replayed (R turns them on and off later)
    // --home NAME, --away NAME: the clubs (frame/clubs.h); empty: the designed
    // side (DYNAMO at home, SHAKHTAR away). Once the clubs are found, the
    // club's own name.
    std::string home;
    std::string away;
};

// The longest match that may be asked for, in minutes (a week).
constexpr int kMaxMatchMinutes = 7 * 24 * 60;

// The generator's state at program start: the designed match's seed.
constexpr std::uint32_t kDesignedSeed = 1;

// A seed from the wall clock and the monotonic clock, mixed so that starts a
// moment apart give unrelated seeds. For --random and the screen saver.
std::uint32_t seedFromClock();

// The seed of the match after the one that started from `seed`: a fixed
// mixing of its bits, so that the same first seed gives the same series of
// matches in the program and in the tools.
std::uint32_t nextSeed(std::uint32_t seed);

}  // namespace common
