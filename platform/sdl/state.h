// sdl/state.h -- the records behind the platform handles on SDL2, shared by the SDL implementation
// files.
#pragma once

#include <SDL.h>

#include <string>

#include "platform/gl_context.h"
#include "platform/window.h"

namespace platform {

struct DeviceContext {
    Window* window;
};

struct Window {
    SDL_Window* sdlWindow;
    Uint32 windowId;
    WindowProc windowProc;
    DeviceContext deviceContext;
    bool pixelFormatSet;  // a window's pixel format is set once
    bool minimised;       // as last reported by the window system
    bool focused;
    bool attached;  // another program's window, drawn in by the screen saver
};

struct RenderingContext {
    SDL_GLContext glContext;
    Window* window;
};

// Starts SDL's video subsystem if it is not running. False, with the reason,
// when there is no display to show windows on.
bool startVideo(std::string* reason);

// The live window with this handle or SDL window id; null when there is none.
Window* findWindow(const Window* window);
Window* findWindowById(Uint32 windowId);

// The window that last got the keyboard focus through setFocus; null when it
// is gone. Key events SDL reports for no window go to it: SDL takes a moment
// to notice the focus of a new window, and keys of that moment are ours.
Window* keyboardFocusWindow();

// The live rendering context with this handle; null when there is none.
RenderingContext* findRenderingContext(const RenderingContext* renderingContext);

// The display mode changed by changeDisplaySettings for the next full-screen
// window; false while the display is in its own mode.
bool displayModeChanged(SDL_DisplayMode* mode);

// Deletes the rendering contexts still made for a window that is being destroyed.
void forgetWindowRenderingContexts(Window* window);

// Takes every full-screen window out of full screen (the display's own mode is back).
void leaveFullScreen();

}  // namespace platform
