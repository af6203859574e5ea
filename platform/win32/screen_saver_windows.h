// win32/screen_saver_windows.h -- what the Win32 files share about the screen saver's windows
// (made by attachWindow in window.cpp).
#pragma once

#include "platform/win32/system.h"

namespace platform {

// True for a screen saver's preview child that has gone with its parent: its
// device context went with it, and there is nothing left to release or destroy.
bool isGoneScreenSaverWindow(HWND window);

}  // namespace platform
