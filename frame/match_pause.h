// match_pause.h -- the watcher's pause: whether the match stands still, and the key that toggles
// it.
#pragma once

#include "frame/key_table.h"

namespace frame {

// One member of the world, alive for the whole run, in no pause at start.
// While `paused`, a frame runs no tick, no warm-up count, no animation counter
// and no rain step; the camera keys, the restart key, F1 and Escape still act
// and the picture is still drawn. A new match (the restart key, or the scene
// initialisation of start-up and of every window re-creation) ends the pause.
struct MatchPause {
    bool paused;
    // A pause key was held in the previous frame: holding one pauses or
    // resumes once, at its key-down, whatever the keyboard's auto-repeat does.
    bool keyWasDown;
};

// At the start of every frame, before the simulation gate: toggles the pause
// when Pause or Space goes down (neither was held in the previous frame).
void applyPauseKeys(MatchPause& pause, const KeyTable& keys);

}  // namespace frame
