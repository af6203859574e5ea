// web_loop.h -- the page's schedule: its frames on the browser's animation frames, paced as the
// desktop paces its own, after a link's.
#pragma once

#include "frame/world.h"
#include "web/web_link.h"

namespace web {

// The page's one world: input writes its keys, the loop runs its frames.
frame::World& pageWorld();

// Called once by main with the context current and the scene started: starts
// the loop, which first runs the link's frames up to its moment (held, paused,
// afterwards) and then a frame whenever the frame pacing allows.
void startFrameLoop(const MomentLink& link);

// A key, a touch: the loop plays on after a held picture.
void wakeFrameLoop();

}  // namespace web
