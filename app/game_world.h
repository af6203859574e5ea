// game_world.h -- the world the game's window shows.
#pragma once

#include "frame/replay_tape.h"
#include "frame/world.h"

namespace app {

// The one world of the game's run, made on first use from the world at
// program start: the window procedure writes its keys and size, the main loop
// runs its frames, and it outlives every window re-creation.
frame::World& gameWorld();

// What the game keeps beside its world for the goal replays, made on first
// use; the main loop hands it to every live frame.
frame::ReplayTape& gameReplayTape();

}  // namespace app
