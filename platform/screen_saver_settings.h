// screen_saver_settings.h -- the Windows screen saver's settings, kept per user, and the dialog
// that sets them. Implemented on Windows only (platform/win32/); only football.scr links it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The longest club name kept, with its terminator.
constexpr int kClubNameBytes = 16;

struct ScreenSaverSettings {
    int view;                // 1..the number of views: the view the match is watched from
    bool newMatchEachStart;  // a new match at every start rather than always the same one
    bool replays;            // every goal replayed after its celebration
    bool sound;  // the match's sound plays (over the whole screen, never in the preview)
    char home[kClubNameBytes];  // the clubs by name; empty: the designed side's
    char away[kClubNameBytes];
};

// When nothing is stored: the start view, a new match at every start,
// replays, silent, the designed clubs.
constexpr ScreenSaverSettings kDefaultScreenSaverSettings = {1, true, true, false, "", ""};

// The screen saver, at every start: the user's settings (on Windows the DWORD
// values View, NewMatchEachStart, Replays and Sound and the string values
// Home and Away under HKEY_CURRENT_USER\Software\football).
// A value that is missing, of another type, or (the view) outside
// 1..viewCount or (a club) not one of `clubNames` is its default.
ScreenSaverSettings loadScreenSaverSettings(int viewCount,
                                            const std::vector<std::string>& clubNames);

// Stores the values; false when the system refuses.
bool saveScreenSaverSettings(const ScreenSaverSettings& settings);

// What the settings dialog shows besides the settings.
struct ScreenSaverDialogText {
    std::string title;                   // the dialog's caption
    std::string about;                   // the program and its version, at the top
    std::vector<std::string> viewNames;  // view 1, 2, ... as the list offers them
    std::vector<std::string> clubNames;  // the clubs the two lists offer, the designed pair first
};

// The screen saver's /c: a modal dialog owned by `ownerWindow` (a native
// window handle; 0 for none) with the version, the view, "a new match at
// every start", the replays, "sound", and the home and away clubs (two
// different ones: OK asks again when they are the same). OK stores them; Cancel, Escape or closing
// it changes nothing. True once closed either way; false when it could not be shown (the reason on
// standard error) or the settings could not be stored (told in a box).
bool runScreenSaverSettingsDialog(std::uint64_t ownerWindow, const ScreenSaverDialogText& text);

}  // namespace platform
