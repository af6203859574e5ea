// game_window.h -- the main window and its OpenGL rendering context: creation and tear-down.
#pragma once

#include <cstdint>

#include "platform/gl_context.h"
#include "platform/window.h"

namespace app {

// The one main window. One process-wide record alive for the whole run; the
// handles live from one createGameWindow to the next destroyGameWindow.
struct GameWindow {
    platform::Window* window;                      // null while no window exists
    platform::DeviceContext* deviceContext;        // taken once per creation
    platform::RenderingContext* renderingContext;  // current while it exists
    platform::Instance* instance;                  // fetched anew at every creation
    bool active;          // false while the window is minimised (the window procedure)
    bool fullscreen;      // full screen requested; creation may turn it off
    int requestedWidth;   // client width in pixels
    int requestedHeight;  // client height in pixels
    // The window covers its monitor at the display's own resolution (F11,
    // Alt+Enter); false for every new window.
    bool desktopFullscreen;
    // F11 or Alt+Enter went down (the window procedure); the main loop switches.
    bool desktopSwitchDue;
};

extern GameWindow gameWindow;

// The record at program start: no handles, active, full screen, 1024 by 768.
// Constant, so the record is set before any code runs.
constexpr GameWindow initialGameWindow() {
    return GameWindow{nullptr, nullptr, nullptr, nullptr, true, true, 1024, 768, false, false};
}

// The window's caption and its class's name.
constexpr const char* kWindowTitle = "OpenGL WinAPI template by Ostrovel";
constexpr const char* kWindowClassName = "OpenGL";

// Called by the entry at start and after every F1 tear-down. Registers the
// class, changes the display mode for full screen (asking to go on windowed
// if the display refuses), creates the window with a double-buffered RGBA
// context current, shows it, sets the projection for width by height and
// sets up the scene. False after telling the user why in a message box; then
// everything made has been torn down, except when the class registration
// failed or the user declined windowed display.
bool createGameWindow(const char* title, int width, int height, int bits, bool fullscreen);

// Called once by the entry instead of createGameWindow when the match is a
// screen saver: draws into another program's window (an X window id or a
// Windows window handle) or over the whole screen (platform::kRootWindow) at
// its size, with no question, no display-mode change and no message box; the
// window's procedure is screenSaverWindowProc. False after writing why to standard error; then
// everything made has been torn down.
bool attachGameWindow(std::uint64_t nativeWindow);

// Called by the main loop after F11 or Alt+Enter: the window covers its
// monitor without a display-mode change, or has its frame and size back; the
// context, the match and the landscape stay, and the size message sets the
// projection. Nothing while the display mode is changed (F1's full screen) or
// no window exists; nothing changes when the window system refuses.
void switchDesktopFullscreen();

// Called by createGameWindow's failure exits, by F1 and at the end of the
// run. Restores the display mode, deletes the overlay font and the context,
// releases the device context, destroys the window and unregisters the class;
// a failed step is reported in a "SHUTDOWN ERROR" box and the next one runs.
// Safe in any state createGameWindow can leave behind.
void destroyGameWindow();

}  // namespace app
