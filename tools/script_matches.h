// script_matches.h -- the matches a tool's command line chose, started before start-up.
#pragma once

#include "frame/frame_script.h"
#include "frame/world.h"

namespace tools {

// Called by a tool's main once the script is read, before start-up: the
// matches as the script chooses them (frame::chooseMatches). A seed taken
// from the clock is named on standard error ("PROGRAM: seed N"), so that
// --seed N runs the same matches again.
void startScriptMatches(frame::World& world, const frame::FrameScript& script, const char* program);

}  // namespace tools
