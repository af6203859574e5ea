// command_line.cpp -- the program's options, one table row each, and their help and usage texts.
#include "app/command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace app {

static const char kUsage[] =
    "usage: football [--window | --fullscreen | --root | --window-id ID] [--help] [--version]";

static const char kHelp[] =
    "Usage: football [OPTION]...\n"
    "Show a self-playing 3-D football match, in a window or full screen. Without\n"
    "an option two questions ask first: full screen or not, and soft mode or not;\n"
    "either answer to the second gives 1024 by 768.\n"
    "\n"
    "Options:\n"
    "  --window               windowed, without the questions\n"
    "  --fullscreen           full screen, without the questions; when the display has no\n"
    "                         1024x768 mode, a question offers a window instead\n"
    "  --root                 a screen saver: draw into xscreensaver's window\n"
    "                         (XSCREENSAVER_WINDOW), or else the root window, at its\n"
    "                         size; no questions, no keys; a termination request ends it\n"
    "  --window-id ID         the same in the X window ID (decimal, or hex with 0x)\n"
    "  -h, --help             show this help and exit\n"
    "  --version              show the version and exit\n"
    "\n"
    "Keys: O/L forward/back, J/K left/right, I/P turn, U/D tilt, H/N raise/lower,\n"
    "Z/X widen/narrow, 0 reset the view, 1 restart the match, 2-5 preset views,\n"
    "F1 full screen or window, Escape quit.\n"
    "\n"
    "Environment: XSCREENSAVER_WINDOW, set by xscreensaver for its screen savers,\n"
    "makes a screen saver as --root does, unless another display option is given.\n"
    "\n"
    "Exit status: 0 when ended by Escape, a close request or a termination request,\n"
    "1 when the window cannot be made, 2 for bad arguments.\n";

// One option. `apply` records it, or sets *error when it cannot be taken
// together with what is recorded already.
struct Option {
    const char* shortName;  // "-h"; null when there is none
    const char* longName;   // "--help"
    bool takesValue;        // --name VALUE or --name=VALUE
    void (*apply)(CommandLine& commandLine, const char* value, std::string* error);
};

static void chooseDisplay(CommandLine& commandLine, DisplayChoice choice, std::string* error) {
    if (commandLine.display == DisplayChoice::screenSaver)
        *error = "--root and --window-id cannot be used with --window or --fullscreen";
    else if (commandLine.display != DisplayChoice::ask && commandLine.display != choice)
        *error = "--window and --fullscreen cannot be used together";
    else
        commandLine.display = choice;
}

// --root (window 0) and --window-id ID: one window to draw into.
static void chooseSaverWindow(CommandLine& commandLine, std::uint64_t window, std::string* error) {
    if (commandLine.display == DisplayChoice::windowed ||
        commandLine.display == DisplayChoice::fullscreen) {
        *error = "--root and --window-id cannot be used with --window or --fullscreen";
    } else if (commandLine.display == DisplayChoice::screenSaver &&
               commandLine.screenSaverWindow != window) {
        *error = "--root and --window-id name one window; more than one is given";
    } else {
        commandLine.display = DisplayChoice::screenSaver;
        commandLine.screenSaverWindow = window;
    }
}

// An X window id: decimal, or hexadecimal after 0x, from 1 to 0xFFFFFFFF
// (X ids have 32 bits at most). False for anything else.
static bool parseWindowId(const char* text, std::uint64_t* window) {
    int base = 10;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text += 2;
    }
    if (*text == '\0')
        return false;
    std::uint64_t value = 0;
    for (; *text != '\0'; ++text) {
        int digit = 0;
        if (*text >= '0' && *text <= '9')
            digit = *text - '0';
        else if (base == 16 && *text >= 'a' && *text <= 'f')
            digit = *text - 'a' + 10;
        else if (base == 16 && *text >= 'A' && *text <= 'F')
            digit = *text - 'A' + 10;
        else
            return false;
        value = value * base + digit;
        if (value > 0xFFFFFFFFu)
            return false;
    }
    if (value == 0)
        return false;
    *window = value;
    return true;
}

static void applyRoot(CommandLine& commandLine, const char*, std::string* error) {
    chooseSaverWindow(commandLine, 0, error);
}

static void applyWindowId(CommandLine& commandLine, const char* value, std::string* error) {
    std::uint64_t window = 0;
    if (!parseWindowId(value, &window))
        *error = "--window-id needs an X window id (decimal, or hex with 0x), not '" +
                 std::string(value) + "'";
    else
        chooseSaverWindow(commandLine, window, error);
}

static void applyWindow(CommandLine& commandLine, const char*, std::string* error) {
    chooseDisplay(commandLine, DisplayChoice::windowed, error);
}

static void applyFullscreen(CommandLine& commandLine, const char*, std::string* error) {
    chooseDisplay(commandLine, DisplayChoice::fullscreen, error);
}

// The first of --help and --version wins.
static void request(CommandLine& commandLine, CommandAction action) {
    if (commandLine.action == CommandAction::run)
        commandLine.action = action;
}

static void applyHelp(CommandLine& commandLine, const char*, std::string*) {
    request(commandLine, CommandAction::help);
}

static void applyVersion(CommandLine& commandLine, const char*, std::string*) {
    request(commandLine, CommandAction::version);
}

static const Option kOptions[] = {
    {nullptr, "--window", false, applyWindow}, {nullptr, "--fullscreen", false, applyFullscreen},
    {nullptr, "--root", false, applyRoot},     {nullptr, "--window-id", true, applyWindowId},
    {"-h", "--help", false, applyHelp},        {nullptr, "--version", false, applyVersion},
};

static const Option* findOption(const std::string& name) {
    for (const Option& option : kOptions) {
        if (name == option.longName || (option.shortName != nullptr && name == option.shortName))
            return &option;
    }
    return nullptr;
}

static std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

CommandLine parseCommandLine(int argc, const char* const* argv, const char* saverWindow) {
    CommandLine commandLine;
    std::string firstError;
    bool operandsOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string error;
        if (!operandsOnly && arg == "--") {
            operandsOnly = true;
        } else if (operandsOnly || arg.size() < 2 || arg[0] != '-') {
            error = "unexpected argument " + quoted(arg);
        } else {
            // A long option may carry its value after '='.
            const std::size_t equals = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
            const std::string name = arg.substr(0, equals);
            const Option* option = findOption(name);
            const char* value = nullptr;
            if (option == nullptr) {
                error = "unknown option " + quoted(name);
            } else if (equals != std::string::npos && !option->takesValue) {
                error = "option " + quoted(name) + " takes no value";
            } else if (equals != std::string::npos) {
                value = argv[i] + equals + 1;
            } else if (option->takesValue) {
                if (i + 1 < argc)
                    value = argv[++i];
                else
                    error = "option " + quoted(name) + " needs a value";
            }
            if (error.empty())
                option->apply(commandLine, value, &error);
        }
        if (!error.empty() && firstError.empty())
            firstError = error;
    }
    // xscreensaver's window, for --root or in place of the questions.
    const bool rootOrAsk =
        commandLine.display == DisplayChoice::ask ||
        (commandLine.display == DisplayChoice::screenSaver && commandLine.screenSaverWindow == 0);
    if (saverWindow != nullptr && rootOrAsk && firstError.empty()) {
        if (parseWindowId(saverWindow, &commandLine.screenSaverWindow))
            commandLine.display = DisplayChoice::screenSaver;
        else
            firstError = "XSCREENSAVER_WINDOW is not an X window id: " + quoted(saverWindow);
    }
    if (commandLine.action == CommandAction::run && !firstError.empty()) {
        commandLine.action = CommandAction::usageError;
        commandLine.error = firstError;
    }
    return commandLine;
}

int answerCommandLine(const CommandLine& commandLine) {
    switch (commandLine.action) {
        case CommandAction::usageError:
            std::fprintf(stderr, "football: %s (%s)\n", commandLine.error.c_str(), kUsage);
            return kExitUsage;
        case CommandAction::help:
            std::fputs(kHelp, stdout);
            break;
        case CommandAction::version:
            std::printf("football %s\n", FOOTBALL_VERSION);
            break;
        case CommandAction::run:
            return 0;
    }
    if (std::ferror(stdout) || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "football: cannot write the output: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}

}  // namespace app
