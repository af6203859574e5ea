// frame_step.h -- the frame's state step in its fixed order, and a new scene's state: the
// one place that orders them, for every host.
#pragma once

#include "frame/world.h"

namespace frame {

// The state side of a scene initialisation (start-up and every window
// re-creation) and of the next match of a series: the match reset and its
// statistics, then the terrain generation; the new match is not paused and
// shows no final score and no replay. initScene runs it first; the headless
// tools run it alone.
void initSceneState(World& world);

// The whole state side of one frame, in its fixed order:
//   1. the replay keys (R turns replays on or off; R, a camera key or a preset
//      going down ends the replay shown), the pause keys (a key-down toggles
//      the pause), the replay moved on a picture unless paused (its frames
//      hold the live match); unless paused or held, the match series (an
//      ended match shows its final score, running no tick, then the next match
//      begins); the frame counted in the statistics (on the match clock only
//      in play); the simulation gate: after a reset the warm-up counts 101
//      frames without a tick, every later frame runs one tick, with the stride
//      counters advanced between its movement step and its ball step, the
//      statistics looking at what the tick changed and the replay at the goal
//      it may have awarded; then, at the match's length, the final whistle;
//   2. the camera keys and Tab (the restart key resets the match, ends a pause
//      and a replay and starts the statistics of a new match), then, unless
//      paused or held, the follow camera's step and the keeper counters (team
//      1, then team 2);
//   3. unless paused or held, the rain's step around the world origin and the
//      statistics' look at the weather.
// The frame's picture (frame_picture.h) then shows the world as these steps
// leave it, the rain where its step found it. This is the world's step
// alone: the hosts run it through stepFrame(world, tape) (replay_tape.h),
// which keeps the replays and gives the frame's sound, so all of them draw on
// the generator in the same order. A replay's copy, the benchmarks and the
// tests without replays run it bare.
void stepWorld(World& world);

}  // namespace frame
