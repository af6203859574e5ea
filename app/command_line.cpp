// command_line.cpp -- the program's options, one table row each, their help, and what they ask for.
#include "app/command_line.h"

#include <string>
#include <vector>

#include "common/command_line.h"
#include "common/match_options.h"
#include "frame/key_guide.h"
#include "frame/views.h"

namespace app {

static const char kProgram[] = "football";

// --help: this, the options, the keys, the screen saver and the environment
// (where this system has them), then the exit statuses.
static const char kHelpStart[] =
    "Usage: football [OPTION]...\n"
    "Show a self-playing 3-D football match, in a window or full screen. Without\n"
    "an option two questions ask first: full screen or not, and soft mode or not;\n"
    "either answer to the second gives 1024 by 768.\n"
    "\n";

static const char kKeysHeading[] =
    "\n"
    "Keys (the camera keys act while held; Pause, Space, Tab, M, R, F12, Print Screen\n"
    "and F9 "
    "once per key-down):\n";

// The exit statuses; where X is, a screen saver's window that does not exist too.
static const char kExitStatusStart[] =
    "\n"
    "Exit status: 0 when ended by Escape, a close request or a termination request;\n"
    "1 when the window cannot be made (or made again by F1) or windowed display is\n"
    "declined, ";
static const char kExitStatusSaver[] = "the screen saver's window does not exist, ";
static const char kExitStatusEnd[] =
    "or the session of\n"
    "--save-session, this help or the version cannot be written; 2 for bad arguments.\n";

static const std::vector<common::HelpRow> kEnvironment = {
    {"XSCREENSAVER_WINDOW",
     "set by xscreensaver for its screen savers: draw into that\nwindow as --root does, unless "
     "another display option is given",
     platform::kLinux},
};

// The screen saver where it is a program of its own (Linux's is --root).
static const std::vector<common::HelpRow> kScreenSaver = {
    {"football.scr",
     "the screen saver: the installer puts it where Windows\nlooks for screen savers; pick "
     "\"football\" in Settings >\nPersonalisation > Lock screen > Screen saver",
     platform::kWindows},
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
static bool parseWindowId(const std::string& text, std::uint64_t* window) {
    std::uint64_t value = 0;
    if (!common::parseNumber(text, 0xFFFFFFFFu, value) || value == 0)
        return false;
    *window = value;
    return true;
}

static void applyRoot(CommandLine& commandLine, const std::string&, std::string* error) {
    chooseSaverWindow(commandLine, 0, error);
}

static void applyWindowId(CommandLine& commandLine, const std::string& value, std::string* error) {
    std::uint64_t window = 0;
    if (!parseWindowId(value, &window))
        *error = "--window-id needs an X window id (decimal, or hex with 0x), not " +
                 common::quoted(value);
    else
        chooseSaverWindow(commandLine, window, error);
}

static void applyWindow(CommandLine& commandLine, const std::string&, std::string* error) {
    chooseDisplay(commandLine, DisplayChoice::windowed, error);
}

static void applyFullscreen(CommandLine& commandLine, const std::string&, std::string* error) {
    chooseDisplay(commandLine, DisplayChoice::fullscreen, error);
}

// --seed, --random and --match-minutes, the rows the tools have too.
static void applyMatchOption(CommandLine& commandLine, const char* name, const std::string& value,
                             std::string* error) {
    for (const common::OptionRow& row : common::matchOptionRows()) {
        if (std::string(row.longName) == name)
            common::readMatchOption({&row, value}, commandLine.matches, *error);
    }
}

static void applySeed(CommandLine& commandLine, const std::string& value, std::string* error) {
    applyMatchOption(commandLine, "seed", value, error);
}

static void applyRandom(CommandLine& commandLine, const std::string& value, std::string* error) {
    applyMatchOption(commandLine, "random", value, error);
}

static void applyMatchMinutes(CommandLine& commandLine, const std::string& value,
                              std::string* error) {
    applyMatchOption(commandLine, "match-minutes", value, error);
}

static void applyHome(CommandLine& commandLine, const std::string& value, std::string* error) {
    applyMatchOption(commandLine, "home", value, error);
}

static void applyAway(CommandLine& commandLine, const std::string& value, std::string* error) {
    applyMatchOption(commandLine, "away", value, error);
}

static void applyTeamsFile(CommandLine& commandLine, const std::string& value, std::string* error) {
    if (!commandLine.teamsFile.empty())
        *error = "--teams-file is given twice";
    else if (value.empty())
        *error = "--teams-file needs a file";
    else
        commandLine.teamsFile = value;
}

static void applyListTeams(CommandLine& commandLine, const std::string&, std::string*) {
    commandLine.listTeams = true;
}

static void applyView(CommandLine& commandLine, const std::string& value, std::string* error) {
    std::uint64_t view = 0;
    if (!common::parseNumber(value, frame::kLastView, view) || view < frame::kFirstView)
        *error = "--view needs a view from 1 to 6, not " + common::quoted(value);
    else
        commandLine.view = static_cast<int>(view);
}

static void applySameMatch(CommandLine& commandLine, const std::string&, std::string*) {
    commandLine.sameMatch = true;
}

static void applyReplays(CommandLine& commandLine, const std::string&, std::string* error) {
    if (commandLine.noReplays)
        *error = "--replays and --no-replays cannot be used together";
    commandLine.replays = true;
}

static void applyNoReplays(CommandLine& commandLine, const std::string&, std::string* error) {
    if (commandLine.replays)
        *error = "--replays and --no-replays cannot be used together";
    commandLine.noReplays = true;
}

// --save-session FILE and --play-session FILE: once each, a file named.
static void applySession(std::string& path, const char* option, const std::string& value,
                         std::string* error) {
    if (!path.empty())
        *error = std::string(option) + " is given twice";
    else if (value.empty())
        *error = std::string(option) + " needs a file";
    else
        path = value;
}

static void applySaveSession(CommandLine& commandLine, const std::string& value,
                             std::string* error) {
    applySession(commandLine.saveSession, "--save-session", value, error);
}

static void applyPlaySession(CommandLine& commandLine, const std::string& value,
                             std::string* error) {
    applySession(commandLine.playSession, "--play-session", value, error);
}

// What a session cannot go with: a screen saver has no watcher, and a played
// session brings its own matches and keys. Empty when nothing clashes.
static std::string sessionClash(const CommandLine& commandLine) {
    const bool saving = !commandLine.saveSession.empty();
    const bool playing = !commandLine.playSession.empty();
    if ((saving || playing) && commandLine.display == DisplayChoice::screenSaver)
        return std::string(saving ? "--save-session" : "--play-session") +
               " cannot be used with a screen saver (--root, --window-id)";
    if (!playing)
        return std::string();
    const common::MatchChoice& matches = commandLine.matches;
    const char* option = matches.seedGiven       ? "--seed"
                         : matches.seedFromClock ? "--random"
                         : matches.minutes != 0  ? "--match-minutes"
                         : !matches.home.empty() ? "--home"
                         : !matches.away.empty() ? "--away"
                         : commandLine.view != 0 ? "--view"
                                                 : nullptr;
    if (option == nullptr)
        return std::string();
    return std::string("--play-session plays the session's own matches and keys; ") + option +
           " cannot go with it";
}

static void applyMute(CommandLine& commandLine, const std::string&, std::string*) {
    commandLine.mute = true;
}

static void applyVolume(CommandLine& commandLine, const std::string& value, std::string* error) {
    std::uint64_t volume = 0;
    if (!common::parseNumber(value, 100, volume))
        *error = "--volume needs a volume from 0 to 100, not " + common::quoted(value);
    else
        commandLine.volume = static_cast<int>(volume);
}

static void applySound(CommandLine& commandLine, const std::string&, std::string*) {
    commandLine.sound = true;
}

// One option: its row in the table, and how it is recorded (or sets *error
// when it cannot be taken together with what is recorded already).
struct GameOption {
    common::OptionRow row;
    void (*apply)(CommandLine& commandLine, const std::string& value, std::string* error);
};

static const GameOption kOptions[] = {
    {{"window", 0, nullptr, "windowed, without the questions", 0}, applyWindow},
    {{"fullscreen", 0, nullptr,
      "full screen, without the questions; when the display has no\n1024x768 mode, a question "
      "offers a window instead",
      0},
     applyFullscreen},
    {{"root", 0, nullptr,
      "a screen saver: draw into xscreensaver's window\n(XSCREENSAVER_WINDOW), or else the root "
      "window, at its\nsize; no questions, no keys; a termination request ends it",
      platform::kLinux},
     applyRoot},
    {{"window-id", 0, "ID", "the same in the X window ID (decimal, or hex with 0x)",
      platform::kLinux},
     applyWindowId},
    {{"same-match", 0, nullptr,
      "a screen saver shows the designed match at every start\n(seed 1), not a new one",
      platform::kLinux},
     applySameMatch},
    {{"replays", 0, nullptr,
      "replay every goal after its celebration: the last six seconds\nbefore the ball crossed "
      "the line, from behind the goal (R turns\nreplays on and off)",
      0},
     applyReplays},
    {{"no-replays", 0, nullptr, "a screen saver shows no replays (it shows them otherwise)",
      platform::kLinux},
     applyNoReplays},
    {{"sound", 0, nullptr, "a screen saver plays the match's sound too (it is silent\notherwise)",
      platform::kLinux},
     applySound},
    {{"mute", 0, nullptr, "start with the sound off (M turns it on)", 0}, applyMute},
    {{"volume", 0, "N", "the sound's volume in percent, 0 to 100 (100 at start)", 0}, applyVolume},
    {{"view", 0, "N",
      "watch from view N: 1 the start view, 2 to 5 the preset views,\n6 the camera that follows "
      "the ball",
      0},
     applyView},
    {{"save-session", 0, "FILE",
      "keep what is watched in FILE as a session: the seed, the match\nlength, the window's "
      "sizes and every key by frame (written at\nthe end; see football-record --session)",
      0},
     applySaveSession},
    {{"play-session", 0, "FILE",
      "play a saved session: its matches, keys and re-creations instead\nof the keys pressed "
      "(Escape, closing and F11 still act); at its\nend a line says so and the match plays "
      "on",
      0},
     applyPlaySession},
    {common::matchOptionRows()[0], applySeed},
    {common::matchOptionRows()[1], applyRandom},
    {common::matchOptionRows()[2], applyMatchMinutes},
    {common::matchOptionRows()[3], applyHome},
    {common::matchOptionRows()[4], applyAway},
    {common::teamsOptionRows()[0], applyTeamsFile},
    {common::teamsOptionRows()[1], applyListTeams},
};

static const std::vector<common::OptionRow>& optionRows() {
    static const std::vector<common::OptionRow> rows = [] {
        std::vector<common::OptionRow> table;
        for (const GameOption& option : kOptions)
            table.push_back(option.row);
        return table;
    }();
    return rows;
}

CommandLine parseCommandLine(int argc, const char* const* argv, const char* saverWindow,
                             unsigned system) {
    const std::vector<common::OptionRow>& rows = optionRows();
    const common::ParsedArguments parsed = common::parseArguments(argc, argv, rows, system);
    CommandLine commandLine;
    std::string firstError;
    for (const common::Argument& argument : parsed.arguments) {
        if (argument.option == nullptr)
            firstError = "unexpected argument " + common::quoted(argument.value);
        else
            kOptions[argument.option - rows.data()].apply(commandLine, argument.value, &firstError);
        if (!firstError.empty())
            break;
    }
    if (firstError.empty())
        firstError = parsed.error;
    // xscreensaver's window, for --root or in place of the questions, where X is.
    const bool rootOrAsk =
        commandLine.display == DisplayChoice::ask ||
        (commandLine.display == DisplayChoice::screenSaver && commandLine.screenSaverWindow == 0);
    if (saverWindow != nullptr && (system & platform::kLinux) != 0 && rootOrAsk &&
        firstError.empty()) {
        if (parseWindowId(saverWindow, &commandLine.screenSaverWindow))
            commandLine.display = DisplayChoice::screenSaver;
        else
            firstError =
                "XSCREENSAVER_WINDOW is not an X window id: " + common::quoted(saverWindow);
    }
    if (firstError.empty())
        firstError = sessionClash(commandLine);
    if (parsed.request == common::Request::help)
        commandLine.action = CommandAction::help;
    else if (parsed.request == common::Request::version)
        commandLine.action = CommandAction::version;
    else if (!firstError.empty())
        commandLine.action = CommandAction::usageError;
    if (commandLine.action == CommandAction::usageError)
        commandLine.error = firstError;
    return commandLine;
}

static std::string helpText(unsigned system) {
    std::vector<common::HelpRow> keys;
    for (const frame::KeyGuideEntry& entry : frame::kKeyGuide)
        keys.push_back({entry.key, entry.action, 0});
    std::string text = kHelpStart + common::optionsHelp(optionRows(), system) + kKeysHeading +
                       common::helpRows(keys, system);
    const std::string screenSaver = common::helpRows(kScreenSaver, system);
    if (!screenSaver.empty())
        text += "\nScreen saver:\n" + screenSaver;
    const std::string environment = common::helpRows(kEnvironment, system);
    if (!environment.empty())
        text += "\nEnvironment:\n" + environment;
    return text + kExitStatusStart + ((system & platform::kLinux) != 0 ? kExitStatusSaver : "") +
           kExitStatusEnd;
}

int answerCommandLine(const CommandLine& commandLine, unsigned system) {
    switch (commandLine.action) {
        case CommandAction::usageError:
            return common::refuseArguments(kProgram, commandLine.error);
        case CommandAction::help:
            return common::printHelp(kProgram, helpText(system));
        case CommandAction::version:
            return common::printVersion(kProgram);
        case CommandAction::run:
            break;
    }
    return 0;
}

}  // namespace app
