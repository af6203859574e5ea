// screen_saver_window_proc.h -- the screen saver's window procedure: the main window's, plus what
// ends a screen saver.
#pragma once

#include <cstdint>

#include "platform/window.h"

namespace app {

// How far the mouse may drift, in pixels along either axis, before it ends the
// screen saver: a hand resting on the mouse, or the system placing the pointer
// when the window appears, must not.
constexpr int kMouseSlack = 4;

// What the screen saver's procedure watches. One process-wide record, reset by
// attachGameWindow.
struct ScreenSaverWatch {
    bool inputEnds;     // over the whole screen: a key, a click or the mouse moving ends it
    bool pointerKnown;  // a first mouse position has been seen since the reset
    int pointerX;       // that position, in client coordinates
    int pointerY;
};

extern ScreenSaverWatch screenSaverWatch;

// The procedure of the screen saver's window, called by the platform's message
// dispatch. The window going (a preview's parent closed) ends the main loop.
// While input ends it: a key or a mouse button going down, or the mouse moving
// more than kMouseSlack pixels from where it was first seen, asks the main
// loop to end with status 0. Everything else is gameWindowProc's.
std::intptr_t screenSaverWindowProc(platform::Window* window, unsigned message,
                                    std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace app
