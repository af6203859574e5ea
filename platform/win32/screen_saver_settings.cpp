// win32/screen_saver_settings.cpp -- the screen saver's settings in the user's part of the
// registry.
#include "platform/screen_saver_settings.h"

#include <cstring>
#include <utility>

#include "platform/win32/system.h"

namespace platform {

static const char kSettingsKey[] = "Software\\football";

// A DWORD value of the settings key; false when it is missing or not a DWORD.
static bool readDword(const char* name, DWORD& value) {
    DWORD size = sizeof value;
    return RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value,
                        &size) == ERROR_SUCCESS;
}

// A club's name: a string value naming one of `clubNames`, kept in `name`.
static void readClub(const char* value, const std::vector<std::string>& clubNames,
                     char (&name)[kClubNameBytes]) {
    char text[kClubNameBytes] = {};
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, value, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS)
        return;
    for (const std::string& club : clubNames) {
        if (club == text)
            std::memcpy(name, text, sizeof name);
    }
}

ScreenSaverSettings loadScreenSaverSettings(int viewCount,
                                            const std::vector<std::string>& clubNames) {
    ScreenSaverSettings settings = kDefaultScreenSaverSettings;
    readClub("Home", clubNames, settings.home);
    readClub("Away", clubNames, settings.away);
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
    for (const auto& [name, club] :
         {std::pair{"Home", settings.home}, std::pair{"Away", settings.away}})
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(club),
                       static_cast<DWORD>(std::strlen(club) + 1));
    RegCloseKey(key);
    return written;
}

}  // namespace platform
