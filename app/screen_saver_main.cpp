// screen_saver_main.cpp -- football.scr, the Windows screen saver: /s over the desktop, /p in the
// settings' preview, /c (or nothing) its settings.
#include <string>
#include <vector>

#include "app/game_main.h"
#include "app/game_sound.h"
#include "app/game_world.h"
#include "app/screen_saver_switches.h"
#include "frame/clubs.h"
#include "frame/match_series.h"
#include "frame/system_file_calls.h"
#include "platform/dialogs.h"
#include "platform/screen_saver_settings.h"
#include "platform/window.h"

// The views the settings offer, in key order: the start view, then the presets.
static const std::vector<std::string> kViewNames = {
    "1: the start view",      "2: across the pitch from beside the halfway line",
    "3: behind the far goal", "4: behind the near goal",
    "5: beyond a corner",     "6: following the ball",
};

// The clubs the settings offer: the built-in ones, the designed pair first.
static std::vector<std::string> clubNames() {
    std::vector<std::string> names;
    for (const frame::Club& club : frame::builtInClubs())
        names.push_back(club.name);
    return names;
}

static int showSettings(std::uint64_t owner) {
    const platform::ScreenSaverDialogText text = {
        "football screen saver", "football " FOOTBALL_VERSION ": a self-playing football match",
        kViewNames, clubNames()};
    return platform::runScreenSaverSettingsDialog(owner, text) ? app::kExitSuccess
                                                               : app::kExitFailure;
}

int main(int argc, char** argv) {
    frame::useSystemFileCalls();
    const app::ScreenSaverSwitches switches = app::parseScreenSaverSwitches(argc, argv);
    switch (switches.mode) {
        case app::ScreenSaverMode::bad: {
            const std::string text = "football.scr: " + switches.error +
                                     ".\n\nIt takes /s (show), /p HWND (preview) or /c "
                                     "(settings).";
            platform::messageBox(nullptr, text.c_str(), "football",
                                 platform::kMbOk | platform::kMbIconExclamation);
            return app::kExitBadSwitch;
        }
        case app::ScreenSaverMode::settings:
            return showSettings(switches.window);
        case app::ScreenSaverMode::show:
        case app::ScreenSaverMode::preview:
            break;
    }
    platform::installSignalHandlers();
    const platform::ScreenSaverSettings settings =
        platform::loadScreenSaverSettings(static_cast<int>(kViewNames.size()), clubNames());
    // A new match at every start: a seed from the clock, unless unticked.
    common::MatchChoice matches;
    matches.seedFromClock = settings.newMatchEachStart;
    matches.replays = settings.replays;
    matches.home = settings.home;
    matches.away = settings.away;
    // The same club twice (stored by hand) shows the designed pair.
    frame::MatchClubs clubs = frame::designedClubs();
    std::string refused;
    if (!frame::resolveClubs(frame::builtInClubs(), matches, clubs, refused)) {
        matches.home.clear();
        matches.away.clear();
    }
    app::WatchChoice watch;
    watch.matches = matches;
    watch.firstSeed = frame::chooseMatches(app::gameWorld(), matches, clubs);
    const bool show = switches.mode == app::ScreenSaverMode::show;
    // The sound as the settings say, over the whole screen only: the settings'
    // small preview stays silent.
    app::SoundChoice sound;
    sound.play = show && settings.sound;
    app::chooseGameSound(sound);
    const std::uint64_t window = show ? platform::kRootWindow : switches.window;
    const int status = app::runScreenSaver(window, settings.view, watch);
    platform::closeWindowSystem();
    return status;
}
