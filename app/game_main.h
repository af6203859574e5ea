// game_main.h -- the program's entry: the two start-up questions, the window and the main loop.
#pragma once

#include <cstdint>

#include "app/command_line.h"
#include "app/session_watch.h"

namespace app {

// Exit statuses of the program.
constexpr int kExitSuccess = 0;  // ended by Escape or by closing the window
constexpr int kExitFailure = 1;  // no window (at start or after F1), or the session unwritten

// Called once by main(): asks for full screen and soft mode (unless an option
// has chosen the display), creates the window and runs the polling main loop
// until Escape or a close request, then tears the window down. Returns the
// exit status.
// `view` (frame/views.h; 0 for none) is watched from the first frame on, as
// if its key were tapped before it. `watch` (prepareWatch) says which
// sessions to save and play; the session since start-up is kept either way,
// for F9's clip.
int runGame(DisplayChoice display = DisplayChoice::ask, int view = 0,
            const WatchChoice& watch = WatchChoice{});

// Called once by main() instead of runGame for the screen saver: draws the
// match into another program's window (an X window id or a Windows window
// handle) or over the whole screen (platform::kRootWindow) until a
// termination request, the window's end, or (over the whole screen on
// Windows) input; no questions. `view` (frame/views.h; 0 for none) is watched
// from the first frame on, as if its key were tapped before it. `watch`
// says which matches were chosen (no session is saved or played). Returns
// the exit status.
int runScreenSaver(std::uint64_t nativeWindow, int view = 0,
                   const WatchChoice& watch = WatchChoice{});

}  // namespace app
