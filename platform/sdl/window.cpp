// sdl/window.cpp -- window classes, windows, the cursor and the video subsystem's lifetime on SDL2.
#include "platform/window.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/program_icon.h"
#include "platform/sdl/state.h"
#include "platform/x11/foreign_window.h"

namespace platform {

// What a window takes from its class.
struct ClassEntry {
    WindowProc windowProc;
    int icon;
};

// Registered classes by name, and the live windows. Both last from the
// creation that adds an entry to the tear-down that removes it.
static std::map<std::string, ClassEntry> registeredClasses;
static std::vector<Window*> liveWindows;
static Window* focusWindow = nullptr;

Window* keyboardFocusWindow() {
    return findWindow(focusWindow);
}

bool startVideo(std::string* reason) {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0)
        return true;
    // With neither variable set there is nothing to connect to; SDL would try
    // every driver in turn and settle on one that shows nothing.
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        *reason = "no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)";
        return false;
    }
    // Closing the window is a message to the program, not the end of SDL.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // A full-screen window that loses the focus stays as it is and keeps
    // running frames; only the user minimises it. Whatever SDL's default or
    // the environment says: the program has no settings.
    SDL_SetHintWithPriority(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0", SDL_HINT_OVERRIDE);
    // The windows' class (X11's WM_CLASS, Wayland's app id) is read when the
    // video subsystem starts: the desktop entry's name, so that task bars
    // match the windows with the entry. A class the user has set is kept.
    setenv("SDL_VIDEO_X11_WMCLASS", FOOTBALL_APP_ID, 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", FOOTBALL_APP_ID, 0);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        *reason = std::string("cannot start the video system: ") + SDL_GetError();
        return false;
    }
    // When it cannot connect to the display it was given, SDL falls back to
    // drivers that show nothing; a window there would run unseen, so that is
    // no display either.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::strcmp(driver, "offscreen") == 0 ||
        std::strcmp(driver, "dummy") == 0) {
        const char* x11 = std::getenv("DISPLAY");
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        *reason = std::string("no display to open a window on: cannot connect to ") +
                  (x11 ? std::string("DISPLAY=") + x11 : std::string("")) +
                  (x11 && wayland ? " or " : "") +
                  (wayland ? std::string("WAYLAND_DISPLAY=") + wayland : std::string("")) +
                  " (SDL chose its \"" + (driver ? driver : "none") + "\" video driver)";
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    return true;
}

Window* findWindow(const Window* window) {
    for (Window* live : liveWindows) {
        if (live == window)
            return live;
    }
    return nullptr;
}

Window* findWindowById(Uint32 windowId) {
    for (Window* live : liveWindows) {
        if (live->windowId == windowId)
            return live;
    }
    return nullptr;
}

// SDL has no module handle; nothing on this side reads it.
Instance* getModuleHandle() {
    return nullptr;
}

bool registerClass(const WindowClass& windowClass) {
    if (windowClass.className == nullptr || windowClass.windowProc == nullptr)
        return false;
    return registeredClasses
        .emplace(windowClass.className, ClassEntry{windowClass.windowProc, windowClass.icon})
        .second;
}

bool unregisterClass(const char* className, Instance*) {
    if (className == nullptr)
        return false;
    const auto entry = registeredClasses.find(className);
    if (entry == registeredClasses.end())
        return false;
    for (const Window* live : liveWindows) {
        if (live->windowProc == entry->second.windowProc)
            return false;
    }
    registeredClasses.erase(entry);
    return true;
}

bool adjustWindowRectEx(Rect* rect, std::uint32_t, bool, std::uint32_t) {
    return rect != nullptr;
}

// Asks for the program's visual: double-buffered RGBA with 8 bits a channel
// and a depth buffer of the given size.
static SDL_Window* createGlWindow(const char* title, int x, int y, int width, int height,
                                  Uint32 flags, int depthBits) {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depthBits);
    return SDL_CreateWindow(title, x, y, width, height, flags);
}

// The program's icon on the window's frame and in the task bar (X11's
// _NET_WM_ICON). A window system that takes no icons just goes without.
static void setProgramIcon(SDL_Window* sdlWindow) {
    // SDL only reads the pixels; the surface does not outlive this call.
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<unsigned char*>(programIconPixels), kProgramIconSide, kProgramIconSide, 32,
        kProgramIconSide * 4, SDL_PIXELFORMAT_RGBA32);
    if (icon == nullptr)
        return;
    SDL_SetWindowIcon(sdlWindow, icon);
    SDL_FreeSurface(icon);
}

Window* createWindowEx(std::uint32_t, const char* className, const char* title, std::uint32_t style,
                       int x, int y, int width, int height, Window*, Instance*) {
    std::string reason;
    if (!startVideo(&reason)) {
        std::fprintf(stderr, "football: %s\n", reason.c_str());
        return nullptr;
    }
    const auto entry = registeredClasses.find(className ? className : "");
    if (entry == registeredClasses.end()) {
        std::fprintf(stderr, "football: no window class \"%s\"\n", className ? className : "");
        return nullptr;
    }

    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    SDL_DisplayMode mode = {};
    const bool fullscreen = (style & kWsPopup) != 0 && displayModeChanged(&mode);
    if (fullscreen) {
        flags |= SDL_WINDOW_FULLSCREEN;
    } else if ((style & kWsPopup) != 0) {
        flags |= SDL_WINDOW_BORDERLESS;
    }
    if ((style & kWsThickFrame) != 0)
        flags |= SDL_WINDOW_RESIZABLE;

    // The visual is fixed when the window is made: take the deepest depth
    // buffer the system offers, up to 32 bits.
    SDL_Window* sdlWindow = nullptr;
    for (const int depth : {32, 24, 16}) {
        sdlWindow = createGlWindow(title, x, y, width, height, flags, depth);
        if (sdlWindow != nullptr)
            break;
    }
    if (sdlWindow == nullptr) {
        std::fprintf(stderr, "football: cannot create the window: %s\n", SDL_GetError());
        return nullptr;
    }
    if (fullscreen && SDL_SetWindowDisplayMode(sdlWindow, &mode) != 0) {
        std::fprintf(stderr, "football: cannot set the full-screen mode: %s\n", SDL_GetError());
        SDL_DestroyWindow(sdlWindow);
        return nullptr;
    }

    if (entry->second.icon == kIdiProgram)
        setProgramIcon(sdlWindow);

    Window* window = new Window{};
    window->sdlWindow = sdlWindow;
    window->windowId = SDL_GetWindowID(sdlWindow);
    window->windowProc = entry->second.windowProc;
    window->deviceContext.window = window;
    liveWindows.push_back(window);
    return window;
}

Window* attachWindow(const char* className, const char*, std::uint64_t nativeWindow) {
    // Other programs' windows are X windows: SDL is to speak X11 (unless the
    // user has chosen a driver in SDL_VIDEODRIVER).
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0)
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    std::string reason;
    if (!startVideo(&reason)) {
        std::fprintf(stderr, "football: %s\n", reason.c_str());
        return nullptr;
    }
    if (std::strcmp(SDL_GetCurrentVideoDriver(), "x11") != 0) {
        std::fprintf(stderr, "football: drawing into another window needs an X display\n");
        return nullptr;
    }
    const auto entry = registeredClasses.find(className ? className : "");
    if (entry == registeredClasses.end()) {
        std::fprintf(stderr, "football: no window class \"%s\"\n", className ? className : "");
        return nullptr;
    }
    std::uint64_t xWindow = 0;
    if (!lookUpX11Window(nativeWindow, &xWindow, &reason)) {
        std::fprintf(stderr, "football: %s\n", reason.c_str());
        return nullptr;
    }

    // Drawn with OpenGL in the window's own visual, which its owner chose.
    SDL_SetHint(SDL_HINT_VIDEO_FOREIGN_WINDOW_OPENGL, "1");
    SDL_Window* sdlWindow = SDL_CreateWindowFrom(reinterpret_cast<void*>(xWindow));
    if (sdlWindow == nullptr) {
        std::fprintf(stderr, "football: cannot draw into window 0x%llx: %s\n",
                     static_cast<unsigned long long>(xWindow), SDL_GetError());
        return nullptr;
    }
    // SDL does not watch a window it did not make: ask for its size changes.
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(sdlWindow, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11)
        watchX11WindowSize(info.info.x11.display, xWindow);

    Window* window = new Window{};
    window->sdlWindow = sdlWindow;
    window->windowId = SDL_GetWindowID(sdlWindow);
    window->windowProc = entry->second.windowProc;
    window->deviceContext.window = window;
    window->attached = true;
    liveWindows.push_back(window);
    return window;
}

bool getClientRect(Window* window, Rect* rect) {
    Window* live = findWindow(window);
    if (live == nullptr || rect == nullptr)
        return false;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(live->sdlWindow, &width, &height);
    *rect = Rect{0, 0, width, height};
    return true;
}

bool destroyWindow(Window* window) {
    Window* live = findWindow(window);
    if (live == nullptr)
        return false;
    forgetWindowRenderingContexts(live);
    if (focusWindow == live)
        focusWindow = nullptr;
    // An attached window stays its owner's: SDL lets go of it without destroying it.
    SDL_DestroyWindow(live->sdlWindow);
    for (auto it = liveWindows.begin(); it != liveWindows.end(); ++it) {
        if (*it == live) {
            liveWindows.erase(it);
            break;
        }
    }
    delete live;
    return true;
}

bool showWindow(Window* window, int) {
    Window* live = findWindow(window);
    if (live == nullptr)
        return false;
    SDL_ShowWindow(live->sdlWindow);
    return true;
}

bool setForegroundWindow(Window* window) {
    Window* live = findWindow(window);
    if (live == nullptr)
        return false;
    SDL_RaiseWindow(live->sdlWindow);
    return true;
}

Window* setFocus(Window* window) {
    Window* live = findWindow(window);
    if (live == nullptr)
        return nullptr;
    SDL_SetWindowInputFocus(live->sdlWindow);
    Window* previous = findWindow(focusWindow);
    focusWindow = live;
    return previous;
}

void leaveFullScreen() {
    for (Window* live : liveWindows) {
        if ((SDL_GetWindowFlags(live->sdlWindow) & SDL_WINDOW_FULLSCREEN) != 0) {
            SDL_SetWindowFullscreen(live->sdlWindow, 0);
        }
    }
}

void showCursor(bool show) {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0)
        SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void closeWindowSystem() {
    while (!liveWindows.empty())
        destroyWindow(liveWindows.back());
    registeredClasses.clear();
    SDL_Quit();
}

}  // namespace platform
