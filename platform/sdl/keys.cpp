// sdl/keys.cpp -- the one place where SDL key symbols become virtual-key codes.
#include "platform/sdl/keys.h"

#include "platform/messages.h"

namespace platform {

int virtualKeyFor(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z)
        return 0x41 + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9)
        return 0x30 + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12)
        return kVkF1 + (key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9)
        return kVkNumpad0 + 1 + (key - SDLK_KP_1);
    switch (key) {
        case SDLK_KP_0:
            return kVkNumpad0;
        case SDLK_ESCAPE:
            return kVkEscape;
        case SDLK_RETURN:
            return kVkReturn;
        case SDLK_KP_ENTER:
            return kVkReturn;
        case SDLK_SPACE:
            return kVkSpace;
        case SDLK_TAB:
            return kVkTab;
        case SDLK_BACKSPACE:
            return kVkBack;
        case SDLK_LEFT:
            return kVkLeft;
        case SDLK_UP:
            return kVkUp;
        case SDLK_RIGHT:
            return kVkRight;
        case SDLK_DOWN:
            return kVkDown;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
            return kVkShift;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return kVkControl;
        case SDLK_LALT:
        case SDLK_RALT:
            return kVkMenu;
        case SDLK_PAUSE:
            return kVkPause;
        case SDLK_CAPSLOCK:
            return kVkCapital;
        case SDLK_PAGEUP:
            return kVkPrior;
        case SDLK_PAGEDOWN:
            return kVkNext;
        case SDLK_END:
            return kVkEnd;
        case SDLK_HOME:
            return kVkHome;
        case SDLK_PRINTSCREEN:
            return kVkSnapshot;
        case SDLK_INSERT:
            return kVkInsert;
        case SDLK_DELETE:
            return kVkDelete;
        case SDLK_LGUI:
            return kVkLWin;
        case SDLK_RGUI:
            return kVkRWin;
        case SDLK_APPLICATION:
            return kVkApps;
        case SDLK_KP_MULTIPLY:
            return kVkMultiply;
        case SDLK_KP_PLUS:
            return kVkAdd;
        case SDLK_KP_MINUS:
            return kVkSubtract;
        case SDLK_KP_PERIOD:
            return kVkDecimal;
        case SDLK_KP_DIVIDE:
            return kVkDivide;
        case SDLK_NUMLOCKCLEAR:
            return kVkNumLock;
        case SDLK_SCROLLLOCK:
            return kVkScroll;
        case SDLK_SEMICOLON:
            return kVkOem1;
        case SDLK_EQUALS:
            return kVkOemPlus;
        case SDLK_COMMA:
            return kVkOemComma;
        case SDLK_MINUS:
            return kVkOemMinus;
        case SDLK_PERIOD:
            return kVkOemPeriod;
        case SDLK_SLASH:
            return kVkOem2;
        case SDLK_BACKQUOTE:
            return kVkOem3;
        case SDLK_LEFTBRACKET:
            return kVkOem4;
        case SDLK_BACKSLASH:
            return kVkOem5;
        case SDLK_RIGHTBRACKET:
            return kVkOem6;
        case SDLK_QUOTE:
            return kVkOem7;
        default:
            return 0;
    }
}

}  // namespace platform
