// main.cpp -- the football program: reads the options, runs the game, then lets go of the window
// system.
#include <cstdlib>

#include "app/command_line.h"
#include "app/game_main.h"
#include "platform/window.h"

int main(int argc, char** argv) {
    int helperStatus = 0;
    if (platform::runWindowSystemHelper(argc, argv, helperStatus))
        return helperStatus;
    const app::CommandLine commandLine =
        app::parseCommandLine(argc, argv, std::getenv("XSCREENSAVER_WINDOW"));
    if (commandLine.action != app::CommandAction::run)
        return app::answerCommandLine(commandLine);

    platform::installSignalHandlers();
    const int status = commandLine.display == app::DisplayChoice::screenSaver
                           ? app::runScreenSaver(commandLine.screenSaverWindow)
                           : app::runGame(commandLine.display);
    platform::closeWindowSystem();
    return status;
}
