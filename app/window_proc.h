// window_proc.h -- the main window's procedure: keys, minimise, size, close, system commands.
#pragma once

#include <cstdint>

#include "platform/window.h"

namespace app {

// The procedure of the "OpenGL" window class, called by the platform's message
// dispatch (and from inside its window calls). Key-down and key-up set and
// clear the key table (a key-up before any frame has seen the key-down leaves
// it held for the next frame); F11 and Alt+Enter (not their auto-repeat) ask
// the main loop to switch the window over the whole screen or back; activate
// records whether the window is minimised; size re-applies the projection;
// close asks the main loop to end; the screen-saver and monitor-power system
// commands are swallowed; everything else gets the default handling.
std::intptr_t gameWindowProc(platform::Window* window, unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam);

}  // namespace app
