// window_proc.cpp -- the main window's procedure.
#include "app/window_proc.h"

#include "app/game_window.h"
#include "app/game_world.h"
#include "frame/key_table.h"
#include "frame/scene_start.h"
#include "platform/messages.h"

namespace app {

// Key messages carry a virtual-key code below 256; anything else is ignored
// rather than written past the table.
static bool isKeyCode(std::uintptr_t wParam) {
    return wParam < 256;
}

// A key-down of the keyboard's auto-repeat: the key was down already.
static bool isRepeat(std::intptr_t lParam) {
    return (lParam & platform::kKeyWasDown) != 0;
}

std::intptr_t gameWindowProc(platform::Window* window, unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam) {
    switch (message) {
        case platform::kWmActivate:
            // The high word is the minimised state; the low word (activated or
            // not) does not matter: a window behind another keeps running.
            gameWindow.active = platform::highWord(wParam) == 0;
            return 0;
        case platform::kWmSysCommand:
            if (wParam == platform::kScScreenSave || wParam == platform::kScMonitorPower) {
                return 0;
            }
            break;
        case platform::kWmClose:
            platform::postQuitMessage(0);
            return 0;
        case platform::kWmKeyDown:
            if (wParam == platform::kVkF11 && !isRepeat(lParam))
                gameWindow.desktopSwitchDue = true;
            if (isKeyCode(wParam))
                frame::pressKey(gameWorld().keys, static_cast<int>(wParam));
            return 0;
        case platform::kWmSysKeyDown:
            // Keys with Alt held never reach the table; Alt+Enter is F11's twin.
            if (wParam == platform::kVkReturn) {
                if (!isRepeat(lParam))
                    gameWindow.desktopSwitchDue = true;
                return 0;
            }
            break;
        case platform::kWmSysChar:
            // Its character would only make the system beep for a missing menu.
            if (wParam == '\r')
                return 0;
            break;
        case platform::kWmKeyUp:
            // A tap shorter than a frame still reaches the next frame.
            if (isKeyCode(wParam))
                frame::releaseKey(gameWorld().keys, static_cast<int>(wParam));
            return 0;
        case platform::kWmSize:
            // Before the rendering context exists there is no projection to set;
            // creation sets it once the context is current.
            if (gameWindow.renderingContext != nullptr) {
                frame::resizeScene(
                    gameWorld(),
                    static_cast<int>(platform::lowWord(static_cast<std::uintptr_t>(lParam))),
                    static_cast<int>(platform::highWord(static_cast<std::uintptr_t>(lParam))));
            }
            return 0;
        default:
            break;
    }
    return platform::defWindowProc(window, message, wParam, lParam);
}

}  // namespace app
