// x11/no_key_watch.h -- N answers No in SDL's Yes/No boxes on X11, as in Windows' own boxes.
#pragma once

namespace platform {

struct NoKeyWatchState;

// While it lives, a box titled `caption` that appears on the X display is
// closed when N is let go over it, and SDL answers a closed box as it does
// Escape. SDL's box takes only the keys its buttons are flagged for (Return
// and Escape), and reads them on an X connection of its own that SDL's event
// queue and its event watches never see; so a thread watches the box from
// another connection. With a null caption or no X display it does nothing.
// Made by the SDL message box around SDL_ShowMessageBox, for Yes/No boxes.
class NoKeyWatch {
  public:
    explicit NoKeyWatch(const char* caption);
    ~NoKeyWatch();
    NoKeyWatch(const NoKeyWatch&) = delete;
    NoKeyWatch& operator=(const NoKeyWatch&) = delete;

  private:
    NoKeyWatchState* watch_ = nullptr;
};

}  // namespace platform
