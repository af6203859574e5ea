// sound_cues.h -- what a frame's state step tells the sound: the cues the synthesiser takes.
#pragma once

#include <cstdint>

#include "audio/frame_cues.h"
#include "frame/world.h"

namespace frame {

// What the cues need of the world as a frame found it.
struct CuesBefore {
    sim::MatchState match;
    bool replaying;  // a replay was shown
};

CuesBefore cuesBefore(const World& world);

// The cues of the frame just stepped, from the world as the frame found it
// and as the frame left it: kicks that started, the ball crossing a goal
// line and whose goal it is, the whistles (play starting after the warm-up,
// after a goal, or after the goal's replay; the final score), how dangerous
// the play is, who has the ball, whose shot is on its way and whether it is
// on target, a shot stopped or gone wide, where the ball is in the picture,
// the rain, and silence while paused. The ball crosses the line in the tick
// that starts the celebration (sim/goals.cpp counts its first tick in the
// goal), so the goal is cued in that frame, not at the award 41 ticks later;
// earlier, an on-target shot lets the crowd rise as it flies. A pure function
// of the two, in the synthesiser's own arithmetic, so the same frames cue the
// same sound on every system.
audio::FrameCues soundCues(const CuesBefore& before, const World& after);

// A replay's own sound over the live frame's cues, for one step of its copy
// (the kept world stepped on to the replayed tick), from its match and tick
// count before the step and the copy after it: the kicks it replays, and the
// roar again as the ball crosses the line, placed where the replay camera sees
// the ball in a picture of `viewport`.
void addReplayCues(audio::FrameCues& cues, const sim::MatchState& before, std::int64_t ticksBefore,
                   const World& copy, const Replay& replay, const ViewportSize& viewport);

// The cues that hold the sound where it stands while no frame runs (a
// minimised window, a re-creation, a held moment): the last frame's levels,
// no sound started again, silent.
audio::FrameCues heldCues(const audio::FrameCues& last);

}  // namespace frame
