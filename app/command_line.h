// command_line.h -- the program's options: how to show the match, or help and version instead.
#pragma once

#include <cstdint>
#include <string>

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
};

// Called first thing by main() with its arguments (argv[0] is the program).
// GNU style: long options, also as --name=VALUE where one takes a value, the
// short -h, and "--" before operands (the program takes none). --help and
// --version, found anywhere, win over every other argument, good or bad, the
// first one found; otherwise the first bad argument makes a usage error.
// `saverWindow` is the XSCREENSAVER_WINDOW variable (null when it is unset),
// the window xscreensaver gives its screen savers: with --root, or without a
// display option, the match is drawn into it.
CommandLine parseCommandLine(int argc, const char* const* argv, const char* saverWindow = nullptr);

// Prints the help or the version to standard output, or the usage error and
// the usage on one line to standard error. Returns the exit status: 0 for help
// and version (1 when standard output cannot be written), kExitUsage for a
// usage error.
int answerCommandLine(const CommandLine& commandLine);

// Exit status for bad arguments.
constexpr int kExitUsage = 2;

}  // namespace app
