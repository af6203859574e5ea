// main.cpp -- the football program: runs the game, then lets go of the window system.
#include "app/game_main.h"
#include "platform/window.h"

int main() {
    // The program takes no command line.
    const int status = app::runGame();
    platform::closeWindowSystem();
    return status;
}
