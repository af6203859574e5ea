// frame_state.h -- the state changes of one frame, in their fixed order, shared by
// the program's frame driver and the headless tools.
#pragma once

namespace frame {

// A frame changes state in three places, in this order:
//   1. advanceSimulation(): the pause keys, then the simulation gate, at the
//      start of the frame;
//   2. applyFrameControls(): the camera keys (which may restart the match),
//      then the follow camera and the two keeper counters, before anything is
//      drawn;
//   3. finishFrameState(): the rain's step, after the rain has been drawn.
// Drawing in between only reads state. Calling the three back to back is one
// frame without a picture, exactly as the program makes it. While the match
// is paused (matchPause) only the camera keys change state.

// The pause keys (a key-down toggles the pause); unless paused, the match
// series (an ended match shows its final score, running no tick, then the
// next match begins: runMatchSeries); the frame counted in the match
// statistics (on the match clock only in play); then the simulation gate: after a reset the warm-up
// counts 101 frames without a tick; every later frame runs one tick, with the stride counters
// advanced between its keeper step and its possession step, and the statistics looking at what the
// tick changed; then, at the match's length, the final whistle.
void advanceSimulation();

// The camera keys and Tab (the restart key also ends a pause and starts the
// statistics of a new match), then, unless paused,
// the follow camera's step and the keeper counters (team 1, then team 2).
void applyFrameControls();

// The rain's step around the world origin and the statistics' look at the
// weather, unless paused.
void finishFrameState();

// The whole state side of one frame: the three steps above, back to back.
void advanceFrameState();

// The state side of a scene initialisation (start-up and every window
// re-creation) and of the next match of a series: the match reset and its
// statistics, then the terrain generation; the new match is not paused and
// shows no final score. initScene runs it first; the headless tools run it
// alone.
void initSceneState();

}  // namespace frame
