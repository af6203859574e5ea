// sdl/display_mode.cpp -- the full-screen display mode on SDL2: an exact mode or a refusal;
// restore.
#include "platform/display_mode.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/sdl/state.h"
#include "platform/x11/display_guard.h"

namespace platform {

// The mode the next full-screen window shows in, while the display is changed.
static bool modeChanged = false;
static SDL_DisplayMode changedMode = {};

// True when a mode of the display has exactly the asked colour depth: 24-bit
// colour stored in 32-bit pixels counts as 32 bits.
static bool hasDepth(const SDL_DisplayMode& mode, int bitsPerPel) {
    return static_cast<int>(SDL_BITSPERPIXEL(mode.format)) == bitsPerPel ||
           static_cast<int>(SDL_BYTESPERPIXEL(mode.format)) * 8 == bitsPerPel;
}

bool displayModeChanged(SDL_DisplayMode* mode) {
    if (modeChanged)
        *mode = changedMode;
    return modeChanged;
}

int changeDisplaySettings(const DisplayMode* mode, unsigned flags) {
    if (mode == nullptr) {
        // Back to the display's own mode: a full-screen window leaves full screen now.
        if (flags != 0)
            return kDispChangeBadMode;
        modeChanged = false;
        leaveFullScreen();
        dismissDisplayGuard();
        return kDispChangeSuccessful;
    }

    std::string reason;
    if (!startVideo(&reason)) {
        std::fprintf(stderr, "football: %s\n", reason.c_str());
        return kDispChangeFailed;
    }
    const std::uint32_t wanted = kDmPelsWidth | kDmPelsHeight | kDmBitsPerPel;
    if ((mode->fields & wanted) != wanted)
        return kDispChangeBadMode;

    const int modes = SDL_GetNumDisplayModes(0);
    for (int index = 0; index < modes; ++index) {
        SDL_DisplayMode candidate = {};
        if (SDL_GetDisplayMode(0, index, &candidate) != 0)
            continue;
        if (candidate.w == mode->pelsWidth && candidate.h == mode->pelsHeight &&
            hasDepth(candidate, mode->bitsPerPel)) {
            changedMode = candidate;
            // On X11 a crash cannot safely put the mode back over SDL's
            // connection: a guard of its own does (elsewhere the window
            // system puts it back when the program ends).
            const char* driver = SDL_GetCurrentVideoDriver();
            if (driver != nullptr && std::strcmp(driver, "x11") == 0)
                startDisplayGuard();
            modeChanged = true;
            return kDispChangeSuccessful;
        }
    }
    return kDispChangeBadMode;
}

}  // namespace platform
