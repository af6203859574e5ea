// command_line.h -- the program's options: how to show the match, or help and version instead.
#pragma once

#include <string>

namespace app {

// How the window is shown: asked at start, or chosen by an option.
enum class DisplayChoice { ask, windowed, fullscreen };

// What main() does with the command line.
enum class CommandAction { run, help, version, usageError };

struct CommandLine {
    CommandAction action = CommandAction::run;
    DisplayChoice display = DisplayChoice::ask;
    std::string error;  // with usageError: the first bad argument, named
};

// Called first thing by main() with its arguments (argv[0] is the program).
// GNU style: long options, also as --name=VALUE where one takes a value, the
// short -h, and "--" before operands (the program takes none). --help and
// --version, found anywhere, win over every other argument, good or bad, the
// first one found; otherwise the first bad argument makes a usage error.
CommandLine parseCommandLine(int argc, const char* const* argv);

// Prints the help or the version to standard output, or the usage error and
// the usage on one line to standard error. Returns the exit status: 0 for help
// and version (1 when standard output cannot be written), kExitUsage for a
// usage error.
int answerCommandLine(const CommandLine& commandLine);

// Exit status for bad arguments.
constexpr int kExitUsage = 2;

}  // namespace app
