// command_line.h -- the program's options: how to show the match, or help and version instead.
#pragma once

#include <cstdint>
#include <string>

#include "common/match_seed.h"
#include "platform/host_system.h"

namespace app {

// How the window is shown: asked at start, or chosen by an option; or, for
// the screen saver, another program's window drawn into.
enum class DisplayChoice { ask, windowed, fullscreen, screenSaver };

// What main() does with the command line.
enum class CommandAction { run, help, version, usageError };

struct CommandLine {
    CommandAction action = CommandAction::run;
    DisplayChoice display = DisplayChoice::ask;
    std::string error;  // with usageError: the first bad argument, named
    // With screenSaver: the X window to draw into; 0 for the root window.
    std::uint64_t screenSaverWindow = 0;
    // --seed, --random, --match-minutes, --home and --away.
    common::MatchChoice matches;
    // --teams-file FILE: more clubs (frame/teams_file.h); empty when not given.
    std::string teamsFile;
    // --list-teams: print the clubs known instead of showing the match.
    bool listTeams = false;
    // --view: the view watched from at start (frame/views.h); 0 when not given.
    int view = 0;
    // --same-match: a screen saver starts the designed match, not a new one.
    bool sameMatch = false;
    // --replays: goal replays from the start (R turns them on and off).
    bool replays = false;
    // --no-replays: a screen saver, which shows them otherwise, shows none.
    bool noReplays = false;
    // --save-session FILE and --play-session FILE (app/session_watch.h); empty when not given.
    std::string saveSession;
    std::string playSession;
    // --mute: the sound starts off (M turns it on).
    bool mute = false;
    // --volume: the sound's volume in percent, 0..100.
    int volume = 100;
    // --sound: a screen saver plays the sound too (it is silent otherwise).
    bool sound = false;
};

// Called first thing by main() with its arguments (argv[0] is the program),
// on the command-line layer's rules (common/command_line.h): --help and
// --version, found anywhere, win over every other argument, good or bad, the
// first one found; otherwise the first bad argument makes a usage error; the
// program takes no operands. `saverWindow` is the XSCREENSAVER_WINDOW
// variable (null when it is unset), the window xscreensaver gives its screen
// savers: with --root, or without a display option, the match is drawn into
// it. `system` (platform/host_system.h) decides which options exist: --root,
// --window-id and the variable only where X is.
CommandLine parseCommandLine(int argc, const char* const* argv, const char* saverWindow = nullptr,
                             unsigned system = platform::thisSystem());

// Prints the help (this system's options) or the version to standard output,
// or the usage error as one line with a hint to standard error. Returns the
// exit status: 0 for help and version (1 when standard output cannot be
// written), common::kExitUsage (2) for a usage error.
int answerCommandLine(const CommandLine& commandLine, unsigned system = platform::thisSystem());

}  // namespace app
