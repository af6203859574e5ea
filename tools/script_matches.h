// script_matches.h -- the matches a tool's command line chose, started before start-up, and the
// clubs --list-teams prints.
#pragma once

#include <string>

#include "frame/frame_script.h"
#include "frame/world.h"

namespace tools {

// Called by a tool's main once the script is read, before start-up: the
// matches as the script chooses them (frame::chooseMatches), between the
// clubs it names, found among the built-in ones and its --teams-file's. A
// seed taken from the clock is named on standard error ("PROGRAM: seed N"),
// so that --seed N runs the same matches again. False, with one line in
// `error`, when the teams file or a club is refused.
bool startScriptMatches(frame::World& world, frame::FrameScript& script, const char* program,
                        std::string& error);

// --list-teams: prints the clubs known (the built-in ones and the script's
// --teams-file's) to standard output. Returns the exit status: 0, 1 when the
// output cannot be written, 2 (after one line) when the teams file is refused.
int listTeams(const frame::FrameScript& script, const char* program);

}  // namespace tools
