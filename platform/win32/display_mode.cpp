// win32/display_mode.cpp -- the full-screen display mode with ChangeDisplaySettings, and its
// restore.
#include "platform/display_mode.h"

#include <cstring>

#include "platform/win32/handles.h"

namespace platform {

static_assert(kDmBitsPerPel == DM_BITSPERPEL && kDmPelsWidth == DM_PELSWIDTH &&
              kDmPelsHeight == DM_PELSHEIGHT);
static_assert(kCdsFullscreen == CDS_FULLSCREEN);
static_assert(kDispChangeSuccessful == DISP_CHANGE_SUCCESSFUL &&
              kDispChangeFailed == DISP_CHANGE_FAILED && kDispChangeBadMode == DISP_CHANGE_BADMODE);

int changeDisplaySettings(const DisplayMode* mode, unsigned flags) {
    if (mode == nullptr)
        return ChangeDisplaySettingsA(nullptr, flags);
    DEVMODEA dmScreenSettings;
    std::memset(&dmScreenSettings, 0, sizeof dmScreenSettings);
    dmScreenSettings.dmSize = sizeof dmScreenSettings;
    dmScreenSettings.dmPelsWidth = static_cast<DWORD>(mode->pelsWidth);
    dmScreenSettings.dmPelsHeight = static_cast<DWORD>(mode->pelsHeight);
    dmScreenSettings.dmBitsPerPel = static_cast<DWORD>(mode->bitsPerPel);
    dmScreenSettings.dmFields = mode->fields;
    return ChangeDisplaySettingsA(&dmScreenSettings, flags);
}

}  // namespace platform
