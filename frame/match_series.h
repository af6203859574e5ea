// match_series.h -- one match after another: the seed a match starts from, its length, its
// clubs, half time, the final score's five seconds and the next match.
#pragma once

#include <cstdint>

#include "common/match_seed.h"
#include "frame/clubs.h"
#include "frame/match_statistics.h"

namespace frame {

struct World;

// The final score shows for five seconds of match time (at the designed
// pace), counting the frame of the final whistle; the frame after them is the
// next match's first.
constexpr std::int64_t kFinalScoreFrames = (5000 + kFrameMilliseconds - 1) / kFrameMilliseconds;

// Half time lasts ten seconds of match time, counting the frame of its whistle.
constexpr std::int64_t kHalfTimeFrames = (10000 + kFrameMilliseconds - 1) / kFrameMilliseconds;

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
    std::int64_t halfFrames;        // with matchFrames: the first half's length; 0: no halves
    std::int64_t halfTimeFrames;    // > 0: half time, the panel showing the score
    bool secondHalf;                // half time has come in the match in play
    int firstKickOff;               // the side that kicked the match off (1 or 2)
};

MatchSeries initialMatchSeries();

// Called once by the program's entry, the tools and the page before start-up:
// seeds the matches (seedMatches) from the given seed or the clock, if
// chosen, sets their length, whether goals are replayed, and the clubs
// (resolveClubs found them from `choice`). Returns the first match's seed
// (the generator's state).
std::uint32_t chooseMatches(World& world, const common::MatchChoice& choice,
                            const MatchClubs& clubs);

// Called once before start-up (the program's entry, the tools): the first
// match starts from `seed` (the generator is put at it), and every match
// after one that ended from the next seed of a fixed sequence
// (common::nextSeed), so the same seed gives the same matches everywhere.
// Without it the generator starts at 1 and later matches follow on from it,
// as the window's re-creation does.
void seedMatches(World& world, std::uint32_t seed);

// Called once before start-up: a match ends after `minutes` of match time
// (1..common::kMaxMatchMinutes; 0: never), rounded up to whole frames, and
// with `halves` its first half after half of them.
void setMatchMinutes(MatchSeries& series, int minutes, bool halves = true);

// Called by advanceSimulation, unpaused, before the simulation gate. While
// half time or the final score shows, counts it down and answers false: no
// tick in this frame. When half time has shown its time, the side that did
// not kick the match off kicks off the second half; when the final score has,
// the next match starts (its seed, then initSceneState); either way it
// answers true, as for any frame of play.
bool runMatchSeries(World& world);

// Called by advanceSimulation after the gate of a frame of play: at half the
// match's length (the statistics' match clock), once no shot or pass is in
// flight and the ball lies on the pitch, blows for half time; at its length
// blows the final whistle. The match panel shows the score either way.
void blowWhistleAtLength(World& world);

// Called by the tools' goal search on a world put back at program start, with
// the series' settings put back: the generator at the first seed and the
// series at its first match, as at start-up.
void rewindMatchSeries(World& world);

// A new kick-off of a new match (start-up, the window's re-creation, the
// restart key), right after resetMatch: no final score or half time shows,
// and the first half begins, kicked off by the side resetMatch chose.
void beginMatch(World& world);

}  // namespace frame
