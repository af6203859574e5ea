// sdl/dialogs.cpp -- message boxes on SDL2, and on standard error where no box can be shown.
#include "platform/dialogs.h"

#include <SDL.h>

#include <cstdio>

#include "platform/sdl/signals.h"
#include "platform/sdl/state.h"
#include "platform/x11/no_key_watch.h"

namespace platform {

static Uint32 boxFlags(unsigned style) {
    switch (style & 0xF0u) {
        case kMbIconStop:
            return SDL_MESSAGEBOX_ERROR;
        case kMbIconExclamation:
            return SDL_MESSAGEBOX_WARNING;
        default:
            return SDL_MESSAGEBOX_INFORMATION;
    }
}

int messageBox(Window* owner, const char* text, const char* caption, unsigned style) {
    const bool yesNo = (style & 0xFu) == kMbYesNo;
    const SDL_MessageBoxButtonData yesNoButtons[2] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kIdYes, "Yes"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kIdNo, "No"},
    };
    const SDL_MessageBoxButtonData okButton[1] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kIdOk,
         "OK"},
    };
    Window* live = findWindow(owner);
    SDL_MessageBoxData box = {};
    box.flags = boxFlags(style) | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
    box.window = live != nullptr ? live->sdlWindow : nullptr;
    box.title = caption;
    box.message = text;
    box.numbuttons = yesNo ? 2 : 1;
    box.buttons = yesNo ? yesNoButtons : okButton;

    int answer = -1;
    beginModalWait();
    int shown = -1;
    {
        const NoKeyWatch noKey(yesNo ? caption : nullptr);
        shown = SDL_ShowMessageBox(&box, &answer);
    }
    endModalWait();
    if (shown != 0) {
        std::fprintf(stderr, "football: %s: %s\n", caption ? caption : "", text ? text : "");
        if (yesNo)
            std::fprintf(stderr, "football: (no box can be shown: the answer is No)\n");
        return yesNo ? kIdNo : kIdOk;
    }
    // A box closed without a button answers No (or OK).
    if (answer != kIdYes && answer != kIdNo && answer != kIdOk)
        return yesNo ? kIdNo : kIdOk;
    return answer;
}

}  // namespace platform
