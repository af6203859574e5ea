// web_catch_up.h -- a link's frames run fast, a slice at a time between animation frames: up to
// its moment (at=), held there paused, or up to a session link's first frame shown.
#pragma once

#include <string>

namespace web {

// At an animation frame, before the schedule's own frame: while a link's
// frames still run fast, a slice of them, and true (the animation frame is
// spent); false once they have all run.
bool catchUpSlice();

// The status line while a link's moment is held.
std::string heldMomentLine();

}  // namespace web
