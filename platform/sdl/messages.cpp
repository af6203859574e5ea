// sdl/messages.cpp -- the message queue on SDL2: SDL events become window messages.
#include "platform/messages.h"

#include <SDL.h>

#include "platform/sdl/keys.h"
#include "platform/sdl/signals.h"
#include "platform/sdl/state.h"

namespace platform {

// postQuitMessage's request: the quit message is due once nothing else is waiting.
static bool quitPosted = false;
static int quitCode = 0;

// The activate message after a change of focus or of the minimised state.
static Message activateMessage(Window* window) {
    const unsigned state = window->focused ? kWaActive : kWaInactive;
    const std::uintptr_t minimised = window->minimised ? 1u : 0u;
    return Message{window, kWmActivate, state | (minimised << 16), 0};
}

// One SDL event as a window message; false for an event that makes none.
static bool translateEvent(const SDL_Event& event, Message* message) {
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            Window* window = findWindowById(event.key.windowID);
            if (window == nullptr)
                window = keyboardFocusWindow();
            const int key = virtualKeyFor(event.key.keysym.sym);
            // The keys of a window drawn in as a screen saver are its owner's.
            if (window == nullptr || key == 0 || window->attached)
                return false;
            // Keys pressed with Alt held, and Alt itself, are system keys.
            const bool alt = (event.key.keysym.mod & KMOD_ALT) != 0 || key == kVkMenu;
            const bool down = event.type == SDL_KEYDOWN;
            const unsigned number =
                alt ? (down ? kWmSysKeyDown : kWmSysKeyUp) : (down ? kWmKeyDown : kWmKeyUp);
            // Of a key message's lParam only the auto-repeat bit is read.
            const std::intptr_t repeat = down && event.key.repeat != 0 ? kKeyWasDown : 0;
            *message = Message{window, number, static_cast<std::uintptr_t>(key), repeat};
            return true;
        }
        case SDL_WINDOWEVENT: {
            Window* window = findWindowById(event.window.windowID);
            if (window == nullptr)
                return false;
            switch (event.window.event) {
                case SDL_WINDOWEVENT_SIZE_CHANGED: {
                    const Uint32 flags = SDL_GetWindowFlags(window->sdlWindow);
                    const std::uintptr_t kind =
                        (flags & SDL_WINDOW_MAXIMIZED) != 0 ? kSizeMaximized : kSizeRestored;
                    *message = Message{window, kWmSize, kind,
                                       makeLParam(static_cast<unsigned>(event.window.data1),
                                                  static_cast<unsigned>(event.window.data2))};
                    return true;
                }
                case SDL_WINDOWEVENT_MINIMIZED:
                    window->minimised = true;
                    *message = activateMessage(window);
                    return true;
                case SDL_WINDOWEVENT_RESTORED:
                case SDL_WINDOWEVENT_MAXIMIZED:
                    window->minimised = false;
                    *message = activateMessage(window);
                    return true;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    window->focused = true;
                    *message = activateMessage(window);
                    return true;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    window->focused = false;
                    *message = activateMessage(window);
                    return true;
                case SDL_WINDOWEVENT_CLOSE:
                    *message = Message{window, kWmClose, 0, 0};
                    return true;
                default:
                    return false;
            }
        }
        default:
            return false;
    }
}

bool peekMessage(Message* message) {
    // A termination request (Ctrl+C, kill, the terminal closing) closes the
    // program as its window's close request would.
    if (takeTerminationRequest())
        postQuitMessage(0);
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0) {
            if (event.type == SDL_QUIT) {
                // SDL's own request to end (from the session, say): the same.
                postQuitMessage(0);
                continue;
            }
            if (translateEvent(event, message))
                return true;
        }
    }
    if (quitPosted) {
        quitPosted = false;
        *message = Message{nullptr, kWmQuit, static_cast<std::uintptr_t>(quitCode), 0};
        return true;
    }
    return false;
}

void translateMessage(const Message*) {}

std::intptr_t dispatchMessage(const Message* message) {
    Window* window = findWindow(message->window);
    if (window == nullptr)
        return 0;
    return window->windowProc(window, message->message, message->wParam, message->lParam);
}

std::intptr_t defWindowProc(Window* window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t) {
    Window* live = findWindow(window);
    if (live == nullptr)
        return 0;
    switch (message) {
        case kWmSysKeyDown:
            if (wParam == static_cast<std::uintptr_t>(kVkF4)) {
                return live->windowProc(live, kWmSysCommand, kScClose, 0);
            }
            return 0;
        case kWmSysCommand:
            if (wParam == kScClose)
                return live->windowProc(live, kWmClose, 0, 0);
            return 0;
        case kWmClose:
            destroyWindow(live);
            return 0;
        default:
            return 0;
    }
}

void postQuitMessage(int exitCode) {
    quitPosted = true;
    quitCode = exitCode;
}

void waitMessage() {
    if (quitPosted || terminationRequestPending() || SDL_WasInit(SDL_INIT_VIDEO) == 0)
        return;
    // A signal handler cannot wake SDL's wait: look for a termination request
    // a few times a second.
    SDL_WaitEventTimeout(nullptr, 100);
}

}  // namespace platform
