// main.cpp -- the football program: reads the options, runs the game, then lets go of the window
// system.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/command_line.h"
#include "app/game_main.h"
#include "app/game_sound.h"
#include "app/game_world.h"
#include "app/session_watch.h"
#include "common/command_line.h"
#include "frame/match_series.h"
#include "frame/system_file_calls.h"
#include "frame/teams_file.h"
#include "platform/window.h"

int main(int argc, char** argv) {
    frame::useSystemFileCalls();
    int helperStatus = 0;
    if (platform::runWindowSystemHelper(argc, argv, helperStatus))
        return helperStatus;
    const app::CommandLine commandLine =
        app::parseCommandLine(argc, argv, std::getenv("XSCREENSAVER_WINDOW"));
    if (commandLine.action != app::CommandAction::run)
        return app::answerCommandLine(commandLine);
    frame::ClubList known;
    std::string error;
    if (!frame::knownClubs(commandLine.teamsFile, known, error))
        return common::refuseArguments("football", error);
    if (commandLine.listTeams) {
        const std::string list = frame::clubListText(known);
        return std::fwrite(list.data(), 1, list.size(), stdout) == list.size() &&
                       std::fflush(stdout) == 0
                   ? 0
                   : 1;
    }

    // A screen saver starts a new match at every start, unless told otherwise.
    common::MatchChoice matches = commandLine.matches;
    const bool screenSaver = commandLine.display == app::DisplayChoice::screenSaver;
    if (screenSaver && !commandLine.sameMatch)
        matches.seedFromClock = true;
    // Goal replays when asked, and in a screen saver unless declined.
    matches.replays = commandLine.replays || (screenSaver && !commandLine.noReplays);
    // A played session brings its matches; a session to save is made now.
    app::WatchChoice watch;
    frame::MatchClubs clubs;
    const int watchStatus = app::prepareWatch(commandLine, known, matches, clubs, watch);
    if (watchStatus >= 0)
        return watchStatus;
    const std::uint32_t seed = frame::chooseMatches(app::gameWorld(), matches, clubs);
    watch.matches = matches;
    watch.teamsFile = commandLine.teamsFile;
    watch.firstSeed = seed;
    if (matches.seedFromClock && !matches.seedGiven) {
        std::printf("football: seed %lu\n", static_cast<unsigned long>(seed));
        std::fflush(stdout);
    }

    // A screen saver is silent unless asked to play the sound.
    app::chooseGameSound({!screenSaver || commandLine.sound, commandLine.mute, commandLine.volume});

    platform::installSignalHandlers();
    const int status =
        screenSaver ? app::runScreenSaver(commandLine.screenSaverWindow, commandLine.view, watch)
                    : app::runGame(commandLine.display, commandLine.view, watch);
    platform::closeWindowSystem();
    return status;
}
