// sound_cues.h -- what a frame's state step tells the sound: the cues the synthesiser takes.
#pragma once

#include "audio/frame_cues.h"
#include "frame/world.h"

namespace frame {

// The cues of the frame just stepped, from the match as the frame found it
// and the world as the frame left it: kicks that started, the ball crossing a
// goal line, the whistles (play starting after the warm-up or after a goal,
// the final score), how dangerous the play is, where the ball is in the
// picture, the rain, and silence while paused. A pure function of the two, in
// the synthesiser's own arithmetic, so the same frames cue the same sound on
// every system.
audio::FrameCues soundCues(const sim::MatchState& before, const World& after);

// The cues that hold the sound where it stands while no frame runs (a
// minimised window, a re-creation, a held moment): the last frame's levels,
// no sound started again, silent.
audio::FrameCues heldCues(const audio::FrameCues& last);

}  // namespace frame
