// command_line_test.cpp -- the program's options: each argument list and what it asks for.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using app::CommandAction;
using app::DisplayChoice;

struct Case {
    std::vector<const char*> args;  // without the program's name
    CommandAction action;
    DisplayChoice display;
    std::string error;
    const char* saverWindow = nullptr;  // XSCREENSAVER_WINDOW; null when unset
    std::uint64_t window = 0;           // the screen saver's window
    unsigned system = platform::kLinux;
};

const Case kCases[] = {
    {{}, CommandAction::run, DisplayChoice::ask, ""},
    {{"--window"}, CommandAction::run, DisplayChoice::windowed, ""},
    {{"--fullscreen"}, CommandAction::run, DisplayChoice::fullscreen, ""},
    {{"--window", "--window"}, CommandAction::run, DisplayChoice::windowed, ""},
    {{"--help"}, CommandAction::help, DisplayChoice::ask, ""},
    {{"-h"}, CommandAction::help, DisplayChoice::ask, ""},
    {{"--version"}, CommandAction::version, DisplayChoice::ask, ""},
    // The first request wins, over bad arguments too.
    {{"--version", "--help"}, CommandAction::version, DisplayChoice::ask, ""},
    {{"--bogus", "stray", "-h"}, CommandAction::help, DisplayChoice::ask, ""},
    // The first bad argument is named.
    {{"--bogus", "x"}, CommandAction::usageError, DisplayChoice::ask, "unknown option '--bogus'"},
    {{"--bogus=1"}, CommandAction::usageError, DisplayChoice::ask, "unknown option '--bogus'"},
    {{"-w"}, CommandAction::usageError, DisplayChoice::ask, "unknown option '-w'"},
    {{"-hh"}, CommandAction::help, DisplayChoice::ask, ""},
    {{"--win"}, CommandAction::usageError, DisplayChoice::ask, "unknown option '--win'"},
    // Long names are never abbreviated.
    {{"--full"}, CommandAction::usageError, DisplayChoice::ask, "unknown option '--full'"},
    {{"--window-id"},
     CommandAction::usageError,
     DisplayChoice::ask,
     "option '--window-id' needs a value"},
    {{"window"}, CommandAction::usageError, DisplayChoice::ask, "unexpected argument 'window'"},
    {{"-"}, CommandAction::usageError, DisplayChoice::ask, "unexpected argument '-'"},
    {{"--window", "--", "--help"},
     CommandAction::usageError,
     DisplayChoice::windowed,
     "unexpected argument '--help'"},
    {{"--window=no"},
     CommandAction::usageError,
     DisplayChoice::ask,
     "option '--window' takes no value"},
    {{"--fullscreen", "--window"},
     CommandAction::usageError,
     DisplayChoice::fullscreen,
     "--window and --fullscreen cannot be used together"},
    // The screen saver: the root window, a window by id, xscreensaver's window.
    {{"--root"}, CommandAction::run, DisplayChoice::screenSaver, ""},
    {{"--window-id", "0x1a00007"},
     CommandAction::run,
     DisplayChoice::screenSaver,
     "",
     nullptr,
     0x1a00007},
    {{"--window-id=123"}, CommandAction::run, DisplayChoice::screenSaver, "", nullptr, 123},
    {{"--window-id", "0"},
     CommandAction::usageError,
     DisplayChoice::ask,
     "--window-id needs an X window id (decimal, or hex with 0x), not '0'"},
    {{"--window-id", "0x"},
     CommandAction::usageError,
     DisplayChoice::ask,
     "--window-id needs an X window id (decimal, or hex with 0x), not '0x'"},
    {{"--window-id", "4294967296"},
     CommandAction::usageError,
     DisplayChoice::ask,
     "--window-id needs an X window id (decimal, or hex with 0x), not '4294967296'"},
    {{"--window-id", "12a"},
     CommandAction::usageError,
     DisplayChoice::ask,
     "--window-id needs an X window id (decimal, or hex with 0x), not '12a'"},
    {{"--root", "--window"},
     CommandAction::usageError,
     DisplayChoice::screenSaver,
     "--root and --window-id cannot be used with --window or --fullscreen"},
    {{"--fullscreen", "--window-id", "9"},
     CommandAction::usageError,
     DisplayChoice::fullscreen,
     "--root and --window-id cannot be used with --window or --fullscreen"},
    {{"--root", "--window-id", "5"},
     CommandAction::usageError,
     DisplayChoice::screenSaver,
     "--root and --window-id name one window; more than one is given"},
    {{}, CommandAction::run, DisplayChoice::screenSaver, "", "0x400001", 0x400001},
    {{"--root"}, CommandAction::run, DisplayChoice::screenSaver, "", "0x400001", 0x400001},
    {{"--window-id", "7"}, CommandAction::run, DisplayChoice::screenSaver, "", "0x400001", 7},
    {{"--window"}, CommandAction::run, DisplayChoice::windowed, "", "0x400001", 0},
    {{},
     CommandAction::usageError,
     DisplayChoice::ask,
     "XSCREENSAVER_WINDOW is not an X window id: 'junk'",
     "junk"},
    {{"--help"}, CommandAction::help, DisplayChoice::ask, "", "junk"},
    // Windows has no X windows: no --root, --window-id or XSCREENSAVER_WINDOW.
    {{"--root"},
     CommandAction::usageError,
     DisplayChoice::ask,
     "unknown option '--root'",
     nullptr,
     0,
     platform::kWindows},
    {{"--window-id=7"},
     CommandAction::usageError,
     DisplayChoice::ask,
     "unknown option '--window-id'",
     nullptr,
     0,
     platform::kWindows},
    {{}, CommandAction::run, DisplayChoice::ask, "", "0x400001", 0, platform::kWindows},
    // The matches and the view.
    {{"--view", "7"},
     CommandAction::usageError,
     DisplayChoice::ask,
     "--view needs a view from 1 to 6, not '7'"},
    {{"--seed", "-1"},
     CommandAction::usageError,
     DisplayChoice::ask,
     "--seed needs a whole number from 0 to 4294967295, not '-1'"},
    {{"--random", "--seed", "2"},
     CommandAction::usageError,
     DisplayChoice::ask,
     "--seed and --random cannot be used together"},
    {{"--replays", "--no-replays"},
     CommandAction::usageError,
     DisplayChoice::ask,
     "--replays and --no-replays cannot be used together"},
    {{"--same-match"},
     CommandAction::usageError,
     DisplayChoice::ask,
     "unknown option '--same-match'",
     nullptr,
     0,
     platform::kWindows},
    // Sessions: a played one brings its own matches and keys; a screen saver has none.
    {{"--play-session", "s", "--match-minutes", "3"},
     CommandAction::usageError,
     DisplayChoice::ask,
     "--play-session plays the session's own matches and keys; --match-minutes cannot go with "
     "it"},
    {{"--save-session", "s", "--root"},
     CommandAction::usageError,
     DisplayChoice::screenSaver,
     "--save-session cannot be used with a screen saver (--root, --window-id)"},
    {{"--save-session", "a", "--save-session=b"},
     CommandAction::usageError,
     DisplayChoice::ask,
     "--save-session is given twice"},
};

TEST(CommandLine, EachArgumentListAsksForWhatItSays) {
    for (const Case& c : kCases) {
        std::vector<const char*> argv = {"football"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        std::string shown;
        for (const char* arg : c.args)
            shown += std::string(" ") + arg;
        if (c.saverWindow != nullptr)
            shown += std::string(" with XSCREENSAVER_WINDOW=") + c.saverWindow;
        if (c.system == platform::kWindows)
            shown += " on Windows";
        const app::CommandLine line = app::parseCommandLine(static_cast<int>(argv.size()),
                                                            argv.data(), c.saverWindow, c.system);
        EXPECT_EQ(line.action, c.action) << shown;
        EXPECT_EQ(line.display, c.display) << shown;
        EXPECT_EQ(line.error, c.error) << shown;
        EXPECT_EQ(line.screenSaverWindow, c.window) << shown;
    }
    const char* argv[] = {"football", "--seed=0xffffffff", "--match-minutes", "90", "--view",
                          "6",        "--same-match",      "--replays"};
    const app::CommandLine line = app::parseCommandLine(8, argv, nullptr, platform::kLinux);
    EXPECT_EQ(line.action, CommandAction::run) << line.error;
    EXPECT_TRUE(line.matches.seedGiven && line.matches.seed == 0xffffffffu && line.sameMatch);
    EXPECT_TRUE(line.replays && !line.noReplays);
    EXPECT_EQ(line.matches.minutes, 90);
    EXPECT_EQ(line.view, 6);
}

}  // namespace
