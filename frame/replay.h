// replay.h -- the goal replays as the world knows them: whether they are on, the replay being
// shown and how far, and the frame's state step's part in them.
#pragma once

#include <cstdint>

#include "frame/camera.h"
#include "frame/key_table.h"
#include "sim/match_state.h"

namespace frame {

// A replay shows the last kReplayTicks ticks up to the one in which the ball
// crossed the goal line (six seconds at the designed pace), the last
// kSlowTicks of them at half speed (each tick, then the moment halfway to the
// next), then kAfterTicks more at full speed, a second past the line:
// kReplayPictures pictures in all, the first and last kReplayWipePictures of
// them under a wipe.
constexpr int kReplayTicks = 180;
constexpr int kSlowTicks = 60;
constexpr int kAfterTicks = 30;
constexpr int kReplayPictures = (kReplayTicks - kSlowTicks) + 2 * kSlowTicks + kAfterTicks;
constexpr int kReplayWipePictures = 8;

// The key that turns replays on and off (and ends the one being shown).
constexpr int kKeyReplays = 'R';

// One member of the world, alive for the whole run; off at program start. A
// goal awarded while replays are on starts one: the frame whose tick awarded
// it shows its first picture, and the frames after it hold the live match (no
// tick, no rain, no counters; the frame still counts) until its last picture
// has been shown, or a key ends it. The pictures themselves come from the
// worlds a host keeps beside this one (replay_tape.h).
struct Replay {
    std::int64_t goal;           // the goal shown: its number since start-up, 1 the first
    std::int64_t crossingTick;   // the tick that put the ball in the goal to stay (the last shown)
    std::int64_t stayTick;       // the first tick of the ball's present stay in a goal; 0: none
    int progress;                // the picture shown in this frame: 0 to kReplayPictures - 1
    int team;                    // the side that scored (1 at lengthwise 100, 2 at 0)
    std::uint32_t keysWereDown;  // the keys that end a replay, held in the previous frame
    bool enabled;                // replays are on (--replays, R, the screen savers)
    bool active;                 // a replay is shown in this frame
    bool held;                   // this frame's step held the live match for it
};

// The moment of the replayed match a picture shows: a tick, or (slow
// motion's every other picture) halfway from it to the next.
struct ReplayMoment {
    std::int64_t tick;
    bool halfway;
};

// The first kReplayTicks - kSlowTicks pictures one tick each, then each tick
// and the moment after it, from 59 ticks before the crossing tick to halfway
// past it, then a tick a picture to kAfterTicks past the crossing.
ReplayMoment replayedMoment(const Replay& replay);

// The last tick a picture needs run: its moment's tick, or the next one for
// a moment halfway to it.
std::int64_t replayedTick(const Replay& replay);

// How much of a replay picture its wipe covers, 0 to 1: the first pictures
// are uncovered from full, the last covered to full, over kReplayWipePictures.
double replayWipe(const Replay& replay);

// First thing in every frame's state step, paused or not: R going down turns
// replays on or off, and R or any camera key, preset or the restart key going
// down ends the replay being shown (the frame then plays).
void applyReplayKeys(Replay& replay, const KeyTable& keys);

// After the pause keys: whether this frame holds the live match for the
// replay, which moves on a picture unless paused and ends after its last.
bool holdForReplay(Replay& replay, bool paused);

// After every tick, with the match on either side of it and the ticks run
// since start-up (this one's number) and the goals counted (this one's, if it
// scored): follows the ball's stays in a goal, and when the tick awarded a
// goal and replays are on, starts its replay.
void noteTickForReplay(Replay& replay, std::int64_t tick, std::int64_t goals,
                       const sim::MatchState& before, const sim::MatchState& after);

// A new match (start-up, re-creation, the next of a series): no replay shows.
void endReplay(Replay& replay);

// The camera of a replay picture, a pure function of the replayed ball: low
// behind the goal line the ball crossed (team 1's goals at lengthwise 100) and
// beside the goal, looking at the ball and zooming with its distance.
Camera replayCamera(const sim::Ball& ball, int team);

}  // namespace frame
