// screen_saver_window_proc.cpp -- the screen saver's window procedure: input and the window's end.
#include "app/screen_saver_window_proc.h"

#include <cstdlib>

#include "app/window_proc.h"
#include "platform/messages.h"

namespace app {

ScreenSaverWatch screenSaverWatch = {false, false, 0, 0};

// A mouse-move message's position; the words are signed (left of or above the
// client area on a second monitor).
static int signedWord(unsigned word) {
    return static_cast<int>(static_cast<std::int16_t>(static_cast<std::uint16_t>(word)));
}

// True when the mouse has moved far enough from its first position to end it.
static bool mouseMovedAway(std::intptr_t lParam) {
    const auto position = static_cast<std::uintptr_t>(lParam);
    const int x = signedWord(platform::lowWord(position));
    const int y = signedWord(platform::highWord(position));
    if (!screenSaverWatch.pointerKnown) {
        screenSaverWatch = ScreenSaverWatch{screenSaverWatch.inputEnds, true, x, y};
        return false;
    }
    return std::abs(x - screenSaverWatch.pointerX) > kMouseSlack ||
           std::abs(y - screenSaverWatch.pointerY) > kMouseSlack;
}

static bool endsScreenSaver(unsigned message, std::intptr_t lParam) {
    switch (message) {
        case platform::kWmKeyDown:
        case platform::kWmSysKeyDown:
        case platform::kWmLButtonDown:
        case platform::kWmRButtonDown:
        case platform::kWmMButtonDown:
        case platform::kWmXButtonDown:
            return true;
        case platform::kWmMouseMove:
            return mouseMovedAway(lParam);
        default:
            return false;
    }
}

std::intptr_t screenSaverWindowProc(platform::Window* window, unsigned message,
                                    std::uintptr_t wParam, std::intptr_t lParam) {
    if (message == platform::kWmDestroy) {
        platform::postQuitMessage(0);
        return 0;
    }
    if (screenSaverWatch.inputEnds && endsScreenSaver(message, lParam)) {
        platform::postQuitMessage(0);
        return 0;
    }
    return gameWindowProc(window, message, wParam, lParam);
}

}  // namespace app
