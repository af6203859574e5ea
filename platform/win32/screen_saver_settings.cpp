// win32/screen_saver_settings.cpp -- the screen saver's settings in the user's part of the
// registry.
#include "platform/screen_saver_settings.h"

#include "platform/win32/system.h"

namespace platform {

static const char kSettingsKey[] = "Software\\football";

// A DWORD value of the settings key; false when it is missing or not a DWORD.
static bool readDword(const char* name, DWORD& value) {
    DWORD size = sizeof value;
    return RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value,
                        &size) == ERROR_SUCCESS;
}

ScreenSaverSettings loadScreenSaverSettings(int viewCount) {
    ScreenSaverSettings settings = kDefaultScreenSaverSettings;
    DWORD value = 0;
    if (readDword("View", value) && value >= 1 && value <= static_cast<DWORD>(viewCount))
        settings.view = static_cast<int>(value);
    if (readDword("NewMatchEachStart", value))
        settings.newMatchEachStart = value != 0;
    if (readDword("Replays", value))
        settings.replays = value != 0;
    if (readDword("Sound", value))
        settings.sound = value != 0;
    return settings;
}

static bool writeDword(HKEY key, const char* name, DWORD value) {
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value) == ERROR_SUCCESS;
}

bool saveScreenSaverSettings(const ScreenSaverSettings& settings) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return false;
    const bool written = writeDword(key, "View", static_cast<DWORD>(settings.view)) &&
                         writeDword(key, "NewMatchEachStart", settings.newMatchEachStart ? 1 : 0) &&
                         writeDword(key, "Replays", settings.replays ? 1 : 0);
    writeDword(key, "Sound", settings.sound ? 1 : 0);
    RegCloseKey(key);
    return written;
}

}  // namespace platform
