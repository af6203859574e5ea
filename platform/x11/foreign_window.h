// x11/foreign_window.h -- another program's X window looked up for the screen saver, and watched
// for size changes.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Looks up on $DISPLAY the window with this id, or the root window when id is
// 0, without letting a wrong id end the program (Xlib's default answer to
// an error). True with its id; false with the reason.
bool lookUpX11Window(std::uint64_t id, std::uint64_t* found, std::string* reason);

// Asks the X server to tell this connection (an SDL window's) about the
// window's size changes, on top of what it already asks for; SDL then reports
// them as its own size events.
void watchX11WindowSize(void* display, std::uint64_t window);

}  // namespace platform
