// sdl/keys.h -- SDL key symbols onto virtual-key codes; used by the SDL message queue.
#pragma once

#include <SDL.h>

namespace platform {

// The virtual-key code of an SDL key symbol; 0 for a key that has none (such
// keys are dropped).
int virtualKeyFor(SDL_Keycode key);

}  // namespace platform
