// match_series.h -- one match after another: the seed a match starts from, its length, the final
// score's five seconds and the next match.
#pragma once

#include <cstdint>

#include "common/match_seed.h"
#include "frame/match_statistics.h"

namespace frame {

struct World;

// The final score shows for five seconds of match time (at the designed
// pace), counting the frame of the final whistle; the frame after them is the
// next match's first.
constexpr std::int64_t kFinalScoreFrames = (5000 + kFrameMilliseconds - 1) / kFrameMilliseconds;

// One member of the world, alive for the whole run. Its settings are chosen
// once, before start-up (seedMatches, setMatchMinutes); the frame's first
// state step plays the rest. At program start: the designed match, endless.
struct MatchSeries {
    bool seeded;               // matches start from chosen seeds (seedMatches)
    std::uint32_t firstSeed;   // the generator's state at start-up: 1, or the chosen seed
    std::uint32_t seed;        // with `seeded`: the seed of the match in play
    std::int64_t matchFrames;  // frames a match lasts (on the statistics' clock); 0: never ends
    std::int64_t finalScoreFrames;  // > 0: the match is over and the panel shows its final score
    std::int64_t nextMatches;       // matches begun after the one before ended
};

MatchSeries initialMatchSeries();

// Called once by the program's entry and the tools before start-up: seeds
// the matches (seedMatches) from the given seed or the clock, if chosen, sets
// their length and whether goals are replayed. Returns the first match's seed
// (the generator's state).
std::uint32_t chooseMatches(World& world, const common::MatchChoice& choice);

// Called once before start-up (the program's entry, the tools): the first
// match starts from `seed` (the generator is put at it), and every match
// after one that ended from the next seed of a fixed sequence
// (common::nextSeed), so the same seed gives the same matches everywhere.
// Without it the generator starts at 1 and later matches follow on from it,
// as the window's re-creation does.
void seedMatches(World& world, std::uint32_t seed);

// Called once before start-up: a match ends after `minutes` of match time
// (1..common::kMaxMatchMinutes; 0: never), rounded up to whole frames.
void setMatchMinutes(MatchSeries& series, int minutes);

// Called by advanceSimulation, unpaused, before the simulation gate. While
// the final score shows, counts it down and answers false: no tick in this
// frame. When it has shown its time, starts the next match (its seed, then
// initSceneState) and answers true, as for any frame of play.
bool runMatchSeries(World& world);

// Called by advanceSimulation after the gate of a frame of play: at the
// match's length (the statistics' match clock) blows the final whistle, and
// the match panel shows the final score (showFinalScore).
void blowWhistleAtLength(World& world);

// Called by the tools' goal search on a world put back at program start, with
// the series' settings put back: the generator at the first seed and the
// series at its first match, as at start-up.
void rewindMatchSeries(World& world);

// A new kick-off of a new match (start-up, the window's re-creation, the
// restart key): no final score shows.
void endFinalScore(World& world);

}  // namespace frame
