// replay_picture.h -- a frame's picture with its replays: the live world, or while a goal is
// replayed the replay's world from the replay camera; drawing changes neither.
#pragma once

#include "frame/replay_tape.h"
#include "frame/world.h"

namespace frame {

// drawFramePicture (frame_picture.h) for every host that keeps a tape: while
// a replay is shown, the replayed world from its camera (replayCamera) in the
// world's picture size, the world's own score bar and match panel, no goal
// banner, and "REPLAY" under the score bar; otherwise the world itself.
void drawFramePicture(const World& world, const ReplayTape& tape);

// That picture, then drawFrameLabels(world): the whole picture the screen shows.
void drawFrame(const World& world, const ReplayTape& tape);

}  // namespace frame
