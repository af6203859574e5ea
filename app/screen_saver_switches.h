// screen_saver_switches.h -- the Windows screen saver's command line: /s, /p HWND, /c[:HWND].
#pragma once

#include <cstdint>
#include <string>

namespace app {

// What Windows asks of a screen saver.
enum class ScreenSaverMode {
    settings,  // /c, /c:HWND or nothing: the settings dialog
    show,      // /s: over the whole desktop until input
    preview,   // /p HWND: in a child of that window until it goes
    bad,       // anything else
};

struct ScreenSaverSwitches {
    ScreenSaverMode mode = ScreenSaverMode::settings;
    // The window handle given: the preview's parent, or the dialog's owner
    // (0: none).
    std::uint64_t window = 0;
    std::string error;  // with bad: what is wrong, for the user
};

// Exit status for a command line that is none of the above.
constexpr int kExitBadSwitch = 2;

// Called first thing by the screen saver's main() with its arguments (argv[0]
// is the program). Windows' conventions: the switch in either case, after "/"
// or "-"; a handle in decimal, after a colon or as the next argument.
ScreenSaverSwitches parseScreenSaverSwitches(int argc, const char* const* argv);

}  // namespace app
